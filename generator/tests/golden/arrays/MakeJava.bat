REM Use this file to compile the generated Java classes
CD /D C:\arrays-golden
javac -classpath C:\BRIVEL\brivel18.jar;. -d . test/arrays/*.java
pause