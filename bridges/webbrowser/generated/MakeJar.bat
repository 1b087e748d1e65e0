REM Use this file to build the Jar file Jnavctl.jar
CD /D C:\brivel-webbrowser
jar cvf Jnavctl.jar iexplorer/*.class
pause