REM Use this file to build the Jar file Jnavctl.jar
CD /D C:\brivel-webbrowser\brvRemoteClient
jar cvf JnavctlRemoteClient.jar iexplorer/*.class
pause