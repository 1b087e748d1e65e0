REM Compile the generated Java classes for REMOTE ACCESS
CD /D C:\texts-golden\brvRemoteClient
javac -classpath C:\BRIVEL\brivelRemoteClient18.jar;. -d . test/texts/*.java
pause