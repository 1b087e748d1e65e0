REM Use this file to build the Jar file JMatrix.jar
CD /D C:\brivel-matrix
jar cvf JMatrix.jar matrix/shapes/*.class
pause