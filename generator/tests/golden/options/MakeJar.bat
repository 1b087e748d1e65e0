REM Use this file to build the Jar file JOptions.jar
CD /D C:\options-golden
jar cvf JOptions.jar test/options/*.class
pause