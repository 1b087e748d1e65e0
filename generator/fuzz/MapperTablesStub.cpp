// Only for the naming helpers' fuzz target on linux32, where the generator
// is not built: NamingHelpers.cpp, which the target compiles, also holds
// FindRecord, which makes record mappers. The target never calls it and
// links no mapper, so the virtual tables that code names are given here as
// empty weak tables (the generator's own take their place wherever it is
// linked); a call through one would fault at once.
extern "C" {
__attribute__((weak)) void* brivelNoTypeMapperTable[1] __asm__("_ZTV11CTypeMapper");
__attribute__((weak)) void* brivelNoShapeTypeMapperTable[1] __asm__("_ZTV16CShapeTypeMapper");
__attribute__((weak)) void* brivelNoRecordTypeMapperTable[1] __asm__("_ZTV17CRecordTypeMapper");
}
