REM Use this file to build the Jar file JE2e.jar
CD /D C:\brivel-e2e
jar cvf JE2e.jar e2e/ledger/*.class
pause