REM Compile the generated Java classes for REMOTE ACCESS
CD /D C:\brivel-webbrowser\brvRemoteClient
javac -classpath C:\brvkit\brivelRemoteClient18.jar;. -d . iexplorer/*.java
pause