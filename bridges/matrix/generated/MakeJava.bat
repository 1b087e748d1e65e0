REM Use this file to compile the generated Java classes
CD /D C:\brivel-matrix
javac -classpath C:\brvkit\brivel18.jar;. -d . matrix/shapes/*.java
pause