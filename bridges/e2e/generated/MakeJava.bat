REM Use this file to compile the generated Java classes
CD /D C:\brivel-e2e
javac -classpath C:\brvkit\brivel18.jar;. -d . e2e/ledger/*.java
pause