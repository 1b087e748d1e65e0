REM Use this file to build the Jar file JArrays.jar
CD /D C:\arrays-golden
jar cvf JArrays.jar test/arrays/*.class
pause