REM Use this file to build the Jar file JBridge.jar
CD /D C:\bridge-golden
jar cvf JBridge.jar test/bridge/*.class
pause