REM Use this file to build the Jar file JBrivelSampleActiveX.jar
CD /D C:\brivel-sample
jar cvf JBrivelSampleActiveX.jar j2c/tutorial/*.class
pause