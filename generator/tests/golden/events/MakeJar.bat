REM Use this file to build the Jar file JEvents.jar
CD /D C:\events-golden
jar cvf JEvents.jar test/events/*.class
pause