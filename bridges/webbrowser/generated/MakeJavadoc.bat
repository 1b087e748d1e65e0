REM Use this file to generate Javadoc in the "doc" folder
CD /D C:\brivel-webbrowser
if not exist doc md doc
javadoc -classpath C:\brvkit\brivel18.jar;. -overview overview.html -d doc -link file:///C:\brvkit\doc iexplorer\*.java
pause