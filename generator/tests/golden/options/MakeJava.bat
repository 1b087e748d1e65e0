REM Use this file to compile the generated Java classes
CD /D C:\options-golden
javac -classpath C:\BRIVEL\brivel18.jar;. -d . test/options/*.java
pause