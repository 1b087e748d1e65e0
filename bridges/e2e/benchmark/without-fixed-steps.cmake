# Writes a copy of the generated end-to-end bridge with the steps that the
# generated text makes, and a hand-written native need not, taken out of the
# functions that the benchmark calls: the brivelCheckFatalError check in
# ILedger.getTotal and ITally.Peek; in the event sink, the listener's
# method looked up once instead of for every event, and no ExceptionOccurred
# after the call (the benchmark's listener never throws). The benchmark of
# this copy shows what the runtime and the rest of the generated text cost
# against the same floors. Fails when the generated text no longer holds a
# step where it is looked for.
#   cmake -DIN=<JE2e.cpp> -DOUT=<copy> -P without-fixed-steps.cmake
file(READ ${IN} text)

# Replaces the first `old` after `anchor` with `new`.
function(replace_after anchor old new)
  string(FIND "${text}" "${anchor}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "without-fixed-steps: \"${anchor}\" is not in ${IN}")
  endif()
  string(SUBSTRING "${text}" 0 ${at} head)
  string(SUBSTRING "${text}" ${at} -1 tail)
  string(FIND "${tail}" "${old}" step)
  if(step EQUAL -1)
    message(FATAL_ERROR "without-fixed-steps: \"${old}\" is not after \"${anchor}\" in ${IN}")
  endif()
  string(LENGTH "${old}" length)
  string(SUBSTRING "${tail}" 0 ${step} before)
  math(EXPR after "${step} + ${length}")
  string(SUBSTRING "${tail}" ${after} -1 rest)
  set(text "${head}${before}${new}${rest}" PARENT_SCOPE)
endfunction()

replace_after("// JNI Implementation of ILedger.getTotal\n" "if ( brivelCheckFatalError( env )) return 0;" "")
replace_after("// JNI Implementation of ITally.Peek\n" "if ( brivelCheckFatalError( env )) {" "if ( false ) {")
replace_after("DLedgerEventsHandlerImpl::Invoke( DISPID"
  "\t\t\tjclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);\n\t\t\tbrivelMethod = brivelJniEnv->GetMethodID(brivelListenerClass, \"Changed\", \"(ILjava/lang/String;)V\");\n\t\t\tbrivelJniEnv->DeleteLocalRef( brivelListenerClass );\n"
  "\t\t\tstatic jmethodID brivelChanged = NULL;\n\t\t\tif ( brivelChanged == NULL ) {\n\t\t\t\tjclass brivelListenerClass = brivelJniEnv->GetObjectClass(brvJavaObject);\n\t\t\t\tbrivelChanged = brivelJniEnv->GetMethodID(brivelListenerClass, \"Changed\", \"(ILjava/lang/String;)V\");\n\t\t\t\tbrivelJniEnv->DeleteLocalRef( brivelListenerClass );\n\t\t\t}\n\t\t\tbrivelMethod = brivelChanged;\n")
replace_after("DLedgerEventsHandlerImpl::Invoke( DISPID"
  "jthrowable brvException = brivelJniEnv->ExceptionOccurred();" "jthrowable brvException = NULL;")
file(WRITE ${OUT} "${text}")
