REM Compile the generated Java classes for REMOTE ACCESS
CD /D C:\options-golden\brvRemoteClient
javac -classpath C:\BRIVEL\brivelRemoteClient18.jar;. -d . test/options/*.java
pause