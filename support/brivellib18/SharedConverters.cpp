// The SAFEARRAY, string, GUID, date and file-time conversions are the same
// in both runtimes; this library builds the COM-to-Java runtime's own. That
// file's placeholders of the object conversions are left out: this library
// defines the working ones, and the array converters must call those (with
// the placeholders, VARIANT elements crossed as nothing in both directions).
#define BRIVEL_OWN_OBJECT_CONVERSIONS
#include "Converters.cpp"
