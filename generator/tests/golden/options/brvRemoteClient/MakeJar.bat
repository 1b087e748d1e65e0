REM Use this file to build the Jar file JOptions.jar
CD /D C:\options-golden\brvRemoteClient
jar cvf JOptionsRemoteClient.jar test/options/*.class
pause