REM Use this file to compile the generated Java classes
CD /D C:\events-golden
javac -classpath C:\BRIVEL\brivel18.jar;. -d . test/events/*.java
pause