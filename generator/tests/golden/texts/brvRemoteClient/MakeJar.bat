REM Use this file to build the Jar file JTexts.jar
CD /D C:\texts-golden\brvRemoteClient
jar cvf JTextsRemoteClient.jar test/texts/*.class
pause