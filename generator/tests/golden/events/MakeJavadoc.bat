REM Use this file to generate Javadoc in the "doc" folder
CD /D C:\events-golden
if not exist doc md doc
javadoc -classpath C:\BRIVEL\brivel18.jar;. -overview overview.html -d doc -link file:///C:\BRIVEL\doc test\events\*.java
pause