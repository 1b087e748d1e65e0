REM Use this file to compile the generated Java classes
CD /D C:\bridge-golden
javac -classpath C:\BRIVEL\brivel18.jar;. -d . test/bridge/*.java
pause