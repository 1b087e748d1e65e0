REM Use this file to generate Javadoc in the "doc" folder
CD /D C:\brivel-e2e
if not exist doc md doc
javadoc -classpath Z:\work\wt-e2e\build\win32\bin\brivel18.jar;. -overview overview.html -d doc -link file:///Z:\work\wt-e2e\build\win32\bin\doc e2e\ledger\*.java
pause