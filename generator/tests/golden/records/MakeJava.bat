REM Use this file to compile the generated Java classes
CD /D C:\records-golden
javac -classpath C:\BRIVEL\brivel18.jar;. -d . test/records/*.java
pause