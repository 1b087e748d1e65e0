REM Use this file to generate Javadoc in the "doc" folder
CD /D C:\brivel-sample
if not exist doc md doc
javadoc -classpath C:\brvkit\brivel18.jar;. -overview overview.html -d doc -link file:///C:\brvkit\doc j2c\tutorial\*.java
pause