REM Use this file to build the Jar file JRecords.jar
CD /D C:\records-golden
jar cvf JRecords.jar test/records/*.class
pause