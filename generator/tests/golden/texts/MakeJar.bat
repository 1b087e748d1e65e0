REM Use this file to build the Jar file JTexts.jar
CD /D C:\texts-golden
jar cvf JTexts.jar test/texts/*.class
pause