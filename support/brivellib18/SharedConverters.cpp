// The SAFEARRAY, string, GUID, date and file-time conversions are the same
// in both runtimes; this library builds the COM-to-Java runtime's own. That
// file's placeholders of the object conversions are renamed out of the way:
// this library defines the working ones.
#define brivelGetComId c2jPlaceholderGetComId
#define brivelGetTavoVariant c2jPlaceholderGetTavoVariant
#define brivelVariantObject c2jPlaceholderVariantObject
#define brivelBestUnknownToJobject c2jPlaceholderBestUnknownToJobject
#include "Converters.cpp"
