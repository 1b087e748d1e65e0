REM Use this file to compile the generated Java classes
CD /D C:\brivel-webbrowser
javac -classpath C:\brvkit\brivel18.jar;. -d . iexplorer/*.java
pause