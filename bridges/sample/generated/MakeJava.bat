REM Use this file to compile the generated Java classes
CD /D C:\brivel-sample
javac -classpath C:\brvkit\brivel18.jar;. -d . j2c/tutorial/*.java
pause