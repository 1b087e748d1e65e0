REM Use this file to compile the generated Java classes
CD /D C:\texts-golden
javac -classpath C:\BRIVEL\brivel18.jar;. -d . test/texts/*.java
pause