"""The base types of the matrix ("kinds") and how each one is written.

A kind knows its spelling in the type library's IDL, in the server's C++ and
in Java, the three values that cross (a: towards COM, b: back to Java, c: what
an IN/OUT argument becomes), and the code that makes, compares and frees a
value on each side:
- server side (C++): s_* methods, on expressions of the kind's C++ type T;
- VARIANT side (server's IDispatch and the events it fires): vt and v_*;
- Java side: j_* methods, on expressions of the kind's Java type.
"""

import re

from . import forms as F


def cxx_wide(text):
    """A C++ wide literal (L"..."), non-ASCII characters as universal names."""
    out = []
    for ch in text:
        if ch == '"' or ch == "\\":
            out.append("\\" + ch)
        elif ord(ch) < 128:
            out.append(ch)
        else:
            out.append("\\u%04x" % ord(ch))
    return 'L"%s"' % "".join(out)


def cxx_ansi(text):
    """A C++ narrow literal of the text in code page 1252."""
    out = []
    for byte in text.encode("cp1252"):
        out.append(chr(byte) if 32 <= byte < 127 and chr(byte) not in '"\\' else "\\x%02x\"\"" % byte)
    return '"%s"' % "".join(out)


def java_string(text):
    out = []
    for ch in text:
        if ch == '"' or ch == "\\":
            out.append("\\" + ch)
        elif ord(ch) < 128:
            out.append(ch)
        else:
            out.append("\\u%04x" % ord(ch))
    return '"%s"' % "".join(out)


class Kind:
    """A base type. Subclasses fill in the spellings and the code."""

    name = ""            # part of every method name
    idl = ""             # IDL type of a value
    cxx = ""             # server C++ type of a value
    java = ""            # Java type of a value
    vt = None            # VARTYPE of a value in a VARIANT (None: none)
    sa_vt = None         # VARTYPE of a SAFEARRAY of these (None: not an array element)
    forms = F.SCALAR + (F.OUT2,)
    event_forms = (F.IN, F.IN_REF, F.OUT, F.IN_OUT)
    kind_word = False    # the generator names the type with a kind word (no one-element array)
    holder_word = None   # brivel.out.Tavo<word>Array of arrays by reference
    java_object = False  # Java values are objects that the program releases
    event_back = False   # an event listener can hand a new value back (one-element array)
    values = (None, None, None)

    @property
    def array_vals(self):
        """The values of a, b and c as array elements."""
        return self.values

    # ---- server side
    def s_check(self, expr, value):
        return "(%s) == (%s)" % (expr, self.s_lit(value))

    def s_lit(self, value):
        raise NotImplementedError(self.name)

    def s_set(self, target, value):
        return "%s = %s;" % (target, self.s_lit(value))

    def s_free(self, target):
        return ""

    def s_empty(self, target):
        return "memset( &%s, 0, sizeof %s );" % (target, target)

    def s_is_empty(self, expr):
        """A test that an out-only argument came in empty: what the caller's
        argument held must not reach the callee (which overwrites it without
        freeing it)."""
        return self.s_is_blank(expr)

    def s_show(self, expr):
        """A std::string describing a value, for mismatch messages."""
        return "Show( %s )" % expr

    def s_poison(self, target):
        """Makes an event's out-only argument hold what no reader may take
        (its incoming value is undefined): a sink must write it, never read
        or free it."""
        return "memset( &%s, 0x5A, sizeof %s );" % (target, target)

    def s_unpoison(self, target):
        """Takes the poison out of the argument, untouched, if it is still
        there (so that freeing the argument does not use it)."""
        return ""

    def s_is_blank(self, expr):
        """A test that the value is the kind's empty value."""
        return "IsAllZero( &%s, sizeof %s )" % (expr, expr)

    # ---- VARIANT side (vt must be set)
    def v_get(self, var):
        """The value held by a VARIANT of type vt."""
        return "%s(%s)" % (self.accessor, var)

    def v_ref(self, var):
        return "%sREF(%s)" % (self.accessor, var)

    def v_put(self, var, value):
        """Makes the VARIANT hold a new value (owned by the VARIANT)."""
        return "V_VT(%s) = %s; %s" % (var, self.vt, self.s_set(self.v_get(var), value))

    # ---- Java side
    def j_lit(self, value):
        raise NotImplementedError(self.name)

    def j_eq(self, expr, value):
        return "%s == %s" % (expr, self.j_lit(value))

    def j_show(self, expr):
        return "String.valueOf(%s)" % expr

    def j_blank(self):
        """The element an out-only one-element array starts with."""
        return "0"

    def j_is_blank(self, expr):
        """A Java test that the value is what an out-only argument reaches
        the listener as: the kind's empty value (the sink writes it into the
        argument before the listener runs)."""
        return "%s == %s" % (expr, self.j_blank())

    @property
    def j_array(self):
        return self.java + "[]"


# ---------------------------------------------------------------- numbers

class Numeric(Kind):
    def __init__(self, name, idl, cxx, java, vt, accessor, word, values, sa=True):
        self.name, self.idl, self.cxx, self.java, self.vt = name, idl, cxx, java, vt
        self.accessor, self.holder_word, self.values = accessor, word, values
        self.sa_vt = vt if sa else None
        self.forms = F.SCALAR + (F.OUT2,) + (F.ARRAYS if sa else ())
        self.event_forms = F.EVENT_FORMS if sa else (F.IN, F.IN_REF, F.OUT, F.IN_OUT)
        self.event_back = True

    def s_lit(self, value):
        if self.cxx in ("FLOAT",):
            return "%rf" % value
        if self.cxx == "DOUBLE":
            return repr(value)
        if self.cxx in ("LONGLONG", "ULONGLONG"):
            return "(%s) %dLL" % (self.cxx, value) if value < 0 or self.cxx == "LONGLONG" else "(%s) %dULL" % (self.cxx, value)
        if value < 0:
            return "(%s) (%d)" % (self.cxx, value)
        return "(%s) %du" % (self.cxx, value)

    def s_show(self, expr):
        return "Show( (double) %s )" % expr if self.cxx in ("FLOAT", "DOUBLE") else "Show( (long long) %s )" % expr

    def j_lit(self, value):
        j = self.java
        if j == "byte":
            return "(byte) %d" % value
        if j == "short":
            return "(short) %d" % value
        if j == "int":
            return "(int) %dL" % value if value > 0x7FFFFFFF else "%d" % value
        if j == "long":
            return "%dL" % value
        if j == "float":
            return "%rf" % value
        if j == "double":
            return repr(value)
        raise ValueError(j)


class Boolean(Numeric):
    def __init__(self):
        # IN true (a VARIANT_FALSE sent in its place shows), OUT and result
        # true, IN/OUT back as false. The VM makes any non-zero byte a native
        # returns true: a result read as 255 shows only where the raw byte is
        # seen (the Wine cells compare it with JNI_TRUE).
        super().__init__("Bool", "VARIANT_BOOL", "VARIANT_BOOL", "boolean", "VT_BOOL", "V_BOOL", "Boolean",
                         (True, True, False))
        self.forms = F.SCALAR + (F.OUT2,) + F.ARRAYS
        self.event_forms = F.EVENT_FORMS + (F.RET,)

    def s_lit(self, value):
        return "VARIANT_TRUE" if value else "VARIANT_FALSE"

    def s_show(self, expr):
        return "Show( (long long) %s )" % expr

    def j_lit(self, value):
        return "true" if value else "false"

    def j_eq(self, expr, value):
        return "%s == %s" % (expr, self.j_lit(value))

    def j_blank(self):
        return "false"


class Currency(Numeric):
    def __init__(self):
        super().__init__("Cy", "CURRENCY", "CY", "long", "VT_CY", "V_CY", "Long",
                         (12345678901234, -50000, 987654321))
        self.event_back = False  # an event hands the value, never a way back

    def s_check(self, expr, value):
        return "(%s).int64 == %dLL" % (expr, value)

    def s_set(self, target, value):
        return "(%s).int64 = %dLL;" % (target, value)

    def s_show(self, expr):
        return "Show( (long long) (%s).int64 )" % expr

    def j_lit(self, value):
        return "%dL" % value


class ScodeKind(Numeric):
    def __init__(self):
        super().__init__("Scode", "SCODE", "SCODE", "int", "VT_ERROR", "V_ERROR", "Int",
                         (0x80004005, 0x8007000E, 1), sa=False)
        self.event_forms = (F.IN, F.IN_REF, F.OUT, F.IN_OUT)

    def s_lit(self, value):
        return "(SCODE) 0x%08Xu" % value


I1 = Numeric("I1", "char", "CHAR", "byte", "VT_I1", "V_I1", "Byte", (-5, -7, 100))
UI1 = Numeric("UI1", "unsigned char", "BYTE", "byte", "VT_UI1", "V_UI1", "Byte", (200, 250, 7))
I2 = Numeric("I2", "short", "SHORT", "short", "VT_I2", "V_I2", "Short", (-1234, 4321, -32768))
UI2 = Numeric("UI2", "unsigned short", "USHORT", "short", "VT_UI2", "V_UI2", "Short", (60000, 65000, 1))
I4 = Numeric("I4", "long", "LONG", "int", "VT_I4", "V_I4", "Int", (-123456, 654321, -2147483648))
UI4 = Numeric("UI4", "unsigned long", "ULONG", "int", "VT_UI4", "V_UI4", "Int", (4000000000, 3000000000, 5))
INT = Numeric("Int", "int", "INT", "int", "VT_INT", "V_INT", "Int", (-77, 88, 2147483647))
UINT = Numeric("UInt", "unsigned int", "UINT", "int", "VT_UINT", "V_UINT", "Int", (4000000001, 3000000001, 9))
I8 = Numeric("I8", "hyper", "LONGLONG", "long", "VT_I8", "V_I8", "Long", (-9000000000, 8000000000, -1))
R4 = Numeric("R4", "float", "FLOAT", "float", "VT_R4", "V_R4", "Float", (1.5, -2.25, 3.75))
R8 = Numeric("R8", "double", "DOUBLE", "double", "VT_R8", "V_R8", "Double", (2.5e10, -0.125, 6.02e23))
BOOL = Boolean()
CY = Currency()
SCODE = ScodeKind()


class Unsupported(Kind):
    """A type that no mapper takes: every form is refused."""

    def __init__(self, name, idl, cxx, forms):
        self.name, self.idl, self.cxx = name, idl, cxx
        self.forms = forms
        self.event_forms = ()


UI8 = Unsupported("UI8", "unsigned hyper", "ULONGLONG", (F.IN, F.RET, F.ARR_IN))


# ---------------------------------------------------------------- aliases of numbers

class AliasOf(Numeric):
    """typedef [public] <base> <name>: the alias of a base type."""

    def __init__(self, name, base, forms=None):
        super().__init__(name, name, base.cxx, base.java, base.vt, base.accessor, base.holder_word,
                         base.values)
        self.base = base
        self.alias_of = base.idl
        if forms:
            self.forms = forms


COUNTER = AliasOf("Counter", I4)


# ---------------------------------------------------------------- strings

class Text(Kind):
    """Text: a pointer in C++, a String in Java."""

    def s_empty(self, target):
        return "%s = 0;" % target

    def j_lit(self, value):
        return java_string(value)

    def j_eq(self, expr, value):
        return "%s.equals(%s)" % (java_string(value), expr)

    def j_blank(self):
        return "null"


class Bstr(Text):
    name, idl, cxx, java, vt, sa_vt = "Bstr", "BSTR", "BSTR", "String", "VT_BSTR", "VT_BSTR"
    accessor = "V_BSTR"
    holder_word = "String"
    forms = F.SCALAR + (F.OUT2,) + F.ARRAYS
    event_forms = F.EVENT_FORMS
    values = ("in Gr\u00fc\u00dfe \u20ac", "out \u00e9t\u00e9", "")

    def s_check(self, expr, value):
        return "BstrIs( %s, %s )" % (expr, cxx_wide(value))

    def s_set(self, target, value):
        return "%s = SysAllocString( %s );" % (target, cxx_wide(value))

    def s_free(self, target):
        return "SysFreeString( %s ); %s = 0;" % (target, target)

    def s_show(self, expr):
        return "ShowText( %s )" % expr

    def s_is_empty(self, expr):
        return "%s == 0" % expr

    def s_poison(self, target):
        return "%s = PoisonBstr();" % target

    def s_unpoison(self, target):
        return "if ( %s == PoisonBstr()) %s = 0;" % (target, target)


class Lpstr(Text):
    """ANSI text: the virtual-table path only."""
    name, idl, cxx, java = "Lpstr", "LPSTR", "LPSTR", "String"
    forms = F.SCALAR + (F.OUT2, F.ARR_IN)
    event_forms = ()
    values = ("lp \u00e9", "lp out \u00fc", "lp \u00df")

    def s_check(self, expr, value):
        return "AnsiIs( %s, %s )" % (expr, cxx_ansi(value))

    def s_show(self, expr):
        return "ShowAnsi( %s )" % expr

    # Text handed back stays the server's: the bridge copies it and leaves it.
    def s_set(self, target, value):
        return "%s = (LPSTR) %s;" % (target, cxx_ansi(value))


class Lpwstr(Bstr):
    """A wide string by value: taken as a BSTR."""
    name, idl, cxx = "Lpwstr", "LPWSTR", "LPWSTR"
    forms = (F.IN,)
    event_forms = ()
    sa_vt = None

    def s_check(self, expr, value):
        return "WideIs( %s, %s )" % (expr, cxx_wide(value))


BSTR = Bstr()
LPSTR = Lpstr()
LPWSTR = Lpwstr()


# ---------------------------------------------------------------- dates

class Date(Kind):
    """A DATE is local time; Java builds its dates from local fields."""
    name, idl, cxx, java, vt, sa_vt = "Date", "DATE", "DATE", "java.util.Date", "VT_DATE", "VT_DATE"
    accessor = "V_DATE"
    holder_word = "Date"
    forms = F.SCALAR + (F.OUT2,) + F.ARRAYS
    event_forms = F.EVENT_FORMS
    java_object = False
    # (year, month, day, hour, minute, second) of local time
    values = ((2024, 2, 29, 13, 45, 30), (1999, 12, 31, 23, 59, 58), (1970, 1, 1, 0, 0, 0))

    @staticmethod
    def serial(value):
        """The DATE of the local time: days since 30 December 1899."""
        import datetime
        y, mo, d, h, mi, s = value
        days = (datetime.date(y, mo, d) - datetime.date(1899, 12, 30)).days
        return days + (h * 3600 + mi * 60 + s) / 86400.0

    def s_check(self, expr, value):
        return "DateIs( %s, %r )" % (expr, self.serial(value))

    def s_lit(self, value):
        return repr(self.serial(value))

    def s_show(self, expr):
        return "Show( (double) %s )" % expr

    def j_lit(self, value):
        y, mo, d, h, mi, s = value
        return "Check.date(%d, %d, %d, %d, %d, %d)" % (y, mo, d, h, mi, s)

    def j_eq(self, expr, value):
        return "%s.equals(%s)" % (self.j_lit(value), expr)

    def j_blank(self):
        return "null"

    def j_is_blank(self, expr):
        return "Check.date(1899, 12, 30, 0, 0, 0).equals(%s)" % expr


DATE = Date()


# ---------------------------------------------------------------- GUID

class Guid(Kind):
    name, idl, cxx, java = "Guid", "GUID", "GUID", "String"
    forms = F.SCALAR + (F.OUT2, F.ARR_IN)
    event_forms = (F.IN, F.IN_REF, F.OUT, F.IN_OUT)
    values = ("{01234567-89AB-CDEF-0123-456789ABCDEF}", "{FEDCBA98-7654-3210-FEDC-BA9876543210}",
              "{00000000-0000-0000-C000-000000000046}")

    def s_lit(self, value):
        g = value.strip("{}").split("-")
        rest = g[3] + g[4]
        return "MakeGuid( 0x%s, 0x%s, 0x%s, { %s } )" % (
            g[0], g[1], g[2], ", ".join("0x" + rest[i:i + 2] for i in range(0, 16, 2)))

    def s_check(self, expr, value):
        return "IsEqualGUID( %s, %s )" % (expr, self.s_lit(value))

    def s_show(self, expr):
        return "ShowGuid( %s )" % expr

    def j_lit(self, value):
        return java_string(value)

    def j_eq(self, expr, value):
        return "%s.equalsIgnoreCase(%s)" % (java_string(value), expr)

    def j_blank(self):
        return "null"

    def j_is_blank(self, expr):
        return "\"{00000000-0000-0000-0000-000000000000}\".equals(%s)" % expr


GUID = Guid()


# ---------------------------------------------------------------- VARIANT

class Variant(Kind):
    """a: VT_I4 42; b: a VT_DISPATCH token (so that a VARIANT the bridge
    forgets to clear shows as a reference held); c: VT_BSTR."""
    name, idl, cxx, java, vt, sa_vt = "Variant", "VARIANT", "VARIANT", "brivel.TavoVariant", "VT_VARIANT", "VT_VARIANT"
    holder_word = "Variant"
    forms = F.SCALAR + F.POINTER2 + F.ARRAYS
    event_forms = F.EVENT_FORMS
    java_object = True
    values = (42, ("token", 2), "variant in/out")
    # Java makes VARIANTs of numbers and texts only.
    array_vals = (42, "variant out", -7)

    def s_check(self, expr, value):
        if isinstance(value, tuple):
            return "TokenIs( V_VT( &%s ) == VT_DISPATCH ? V_DISPATCH( &%s ) : 0, %d )" % (expr, expr, value[1])
        if isinstance(value, str):
            return "VariantIsText( %s, %s )" % (expr, cxx_wide(value))
        return "VariantIsLong( %s, %d )" % (expr, value)

    def s_set(self, target, value):
        if isinstance(value, tuple):
            return "V_VT( &%s ) = VT_DISPATCH; V_DISPATCH( &%s ) = NewToken( %d );" % (target, target, value[1])
        if isinstance(value, str):
            return "VariantFromText( &%s, %s );" % (target, cxx_wide(value))
        return "VariantFromLong( &%s, %d );" % (target, value)

    def s_free(self, target):
        return "VariantClear( &%s );" % target

    def s_empty(self, target):
        return "VariantInit( &%s );" % target

    def s_is_empty(self, expr):
        return "V_VT( &%s ) == VT_EMPTY" % expr

    # A VARIANT of a type no reader of the argument expects: an object no
    # one may use.
    def s_poison(self, target):
        return "V_VT( &%s ) = VT_UNKNOWN; V_UNKNOWN( &%s ) = PoisonUnknown();" % (target, target)

    def s_unpoison(self, target):
        return "if ( V_VT( &%s ) == VT_UNKNOWN && V_UNKNOWN( &%s ) == PoisonUnknown()) VariantInit( &%s );" % (
            target, target, target)

    def s_is_blank(self, expr):
        return "V_VT( &%s ) == VT_EMPTY" % expr

    def s_show(self, expr):
        return "ShowVariant( %s )" % expr

    def j_lit(self, value):
        return "c.variant(%s)" % (java_string(value) if isinstance(value, str) else value)

    def j_eq(self, expr, value):
        if isinstance(value, tuple):
            return "Check.variantType(%s, 9)" % expr
        if isinstance(value, str):
            return "Check.variantText(%s, %s)" % (expr, java_string(value))
        return "Check.variantInt(%s, %d)" % (expr, value)

    def j_show(self, expr):
        return "Check.showVariant(%s)" % expr

    def j_blank(self):
        return "null"

    def j_is_blank(self, expr):
        return "Check.variantType(%s, 0)" % expr


VARIANT = Variant()


# ---------------------------------------------------------------- interfaces

class Interface(Kind):
    """An interface pointer; the values are the server's tokens 1, 2, 3."""
    vt = "VT_DISPATCH"
    holder_word = "Comobj"
    java_object = True
    values = (1, 2, 3)
    forms = F.SCALAR + F.POINTER2
    event_forms = F.EVENT_FORMS

    def __init__(self, name, idl, cxx, java, vt, sa=None, forms=None):
        self.name, self.idl, self.cxx, self.java, self.vt = name, idl, cxx, java, vt
        self.sa_vt = sa
        self.accessor = "V_DISPATCH" if vt == "VT_DISPATCH" else "V_UNKNOWN"
        if forms is not None:
            self.forms = forms
        self.event_forms = tuple(f for f in F.EVENT_FORMS if f in self.forms)
        # Generic objects come in a one-element array; named ones by value.
        self.event_back = java == "brivel.TavoObject"

    def s_check(self, expr, value):
        return "TokenIs( %s, %d )" % (expr, value)

    def s_set(self, target, value):
        return "%s = (%s) NewToken( %d );" % (target, self.cxx, value)

    def s_free(self, target):
        return "if ( %s ) { ( %s )->Release(); } %s = 0;" % (target, target, target)

    def s_empty(self, target):
        return "%s = 0;" % target

    def s_is_empty(self, expr):
        return "%s == 0" % expr

    def s_poison(self, target):
        return "%s = (%s) PoisonUnknown();" % (target, self.cxx)

    def s_unpoison(self, target):
        return "if ( (IUnknown*) %s == PoisonUnknown()) %s = 0;" % (target, target)

    def s_show(self, expr):
        return "ShowToken( %s )" % expr

    def j_lit(self, value):
        return "c.token(%d)" % value

    def j_eq(self, expr, value):
        return "c.isToken(%s, %d)" % (expr, value)

    def j_show(self, expr):
        return "c.showToken(%s)" % expr

    def j_blank(self):
        return "null"


UNKNOWN = Interface("Unknown", "IUnknown*", "IUnknown*", "brivel.TavoObject", "VT_UNKNOWN",
                    forms=F.SCALAR + F.POINTER2 + F.ARRAYS)
DISPATCH = Interface("Dispatch", "IDispatch*", "IDispatch*", "brivel.TavoObject", "VT_DISPATCH",
                     forms=F.SCALAR + F.POINTER2 + F.ARRAYS)
TOKEN = Interface("Token", "IToken*", "IToken*", "matrix.shapes.IToken", "VT_DISPATCH", sa="VT_DISPATCH",
                  forms=F.SCALAR + F.POINTER2 + F.ARRAYS)
# SAFEARRAY(IToken*), as real libraries write it (the pointer in the element).
TOKEN_PTR = Interface("TokenPtr", "TokenPtr", "IToken*", "matrix.shapes.IToken", "VT_DISPATCH", sa="VT_DISPATCH",
                      forms=F.ARRAYS)
TOKEN.sa_idl = "IToken"         # SAFEARRAY(IToken): the interface as the element
TOKEN_PTR.sa_idl = "TokenPtr"   # SAFEARRAY(IToken*)
UNKNOWN.sa_idl = "UnknownPtr"    # SAFEARRAY(IUnknown*)
DISPATCH.sa_idl = "DispatchPtr"  # SAFEARRAY(IDispatch*)
UNKNOWN.sa_vt = "VT_UNKNOWN"
DISPATCH.sa_vt = "VT_DISPATCH"


# ---------------------------------------------------------------- enumerations

class Enumeration(Kind):
    name, idl, cxx, java, vt, sa_vt = "Tone", "Tone", "Tone", "matrix.shapes.Tone", "VT_I4", "VT_I4"
    accessor = "V_I4"
    holder_word = "Enum"
    java_object = False
    forms = F.SCALAR + F.POINTER2 + F.ARRAYS
    event_forms = F.EVENT_FORMS
    members = (("Low", 1), ("Mid", 20), ("High", 300))
    values = ("Mid", "High", "Low")

    def number(self, value):
        return dict(self.members)[value]

    def s_lit(self, value):
        return "(Tone) %d" % self.number(value)

    def s_show(self, expr):
        return "Show( (long long) %s )" % expr

    def v_get(self, var):
        # The VARIANT's own LONG: an enumeration converts to and from it.
        return "V_I4(%s)" % var

    def v_ref(self, var):
        return "(Tone *) V_I4REF(%s)" % var

    def j_lit(self, value):
        return "matrix.shapes.Tone.%s" % value

    def j_eq(self, expr, value):
        return "Check.tone(%s, %d)" % (expr, self.number(value))

    def j_show(self, expr):
        return "Check.showTone(%s)" % expr

    def j_blank(self):
        return "null"

    def j_is_blank(self, expr):
        return "Check.tone(%s, 0)" % expr


TONE = Enumeration()


# ---------------------------------------------------------------- records

class Record(Kind):
    """A record of two numbers; records without an identifier are laid out
    by the bridge's tables, those with one go through IRecordInfo."""
    vt = "VT_RECORD"
    sa_vt = "VT_RECORD"
    kind_word = True
    holder_word = "Record"
    forms = F.SCALAR + F.POINTER2 + F.ARRAYS
    event_forms = F.EVENT_FORMS

    def __init__(self, name, idl, cxx, java, fields, values, guid=None, info=None, declare=True):
        self.name, self.idl, self.cxx, self.java = name, idl, cxx, java
        self.fields = fields            # ((C++ type, IDL type, name, Java type), ...)
        self.values = values
        self.guid = guid                # the record's identifier (None: none)
        self.info = info                # the server's IRecordInfo class of the record
        self.declare = declare

    def s_lit(self, value):
        return "%s{ %s }" % (self.cxx, ", ".join("(%s) %d" % (f[0], v) for f, v in zip(self.fields, value)))

    def s_check(self, expr, value):
        return " && ".join("(%s).%s == %d" % (expr, f[2], v) for f, v in zip(self.fields, value))

    def s_show(self, expr):
        return "ShowRecord( (long long) (%s).%s, (long long) (%s).%s )" % (
            expr, self.fields[0][2], expr, self.fields[1][2])

    def j_lit(self, value):
        return "new %s(%s)" % (self.java, ", ".join(
            "(%s) %d" % (f[3], v) for f, v in zip(self.fields, value)))

    def j_eq(self, expr, value):
        return "(%s != null && %s)" % (expr, " && ".join(
            "%s.%s == %d" % (expr, f[2], v) for f, v in zip(self.fields, value)))

    def j_show(self, expr):
        return "Check.showRecord(%s)" % expr

    def j_blank(self):
        return "new %s()" % self.java

    def j_is_blank(self, expr):
        return "(%s != null && %s)" % (expr, " && ".join("%s.%s == 0" % (expr, f[2]) for f in self.fields))


PAIR_FIELDS = (("LONG", "long", "left", "int"), ("SHORT", "short", "right", "short"))
SPAN_FIELDS = (("LONG", "long", "lo", "int"), ("LONG", "long", "hi", "int"))
STAMP_FIELDS = (("LONG", "long", "first", "int"), ("LONG", "long", "last", "int"))
FILETIME_FIELDS = (("DWORD", "DWORD", "dwLowDateTime", "int"), ("DWORD", "DWORD", "dwHighDateTime", "int"))

# Without an identifier.
PAIR = Record("Pair", "Pair", "Pair", "matrix.shapes.Pair", PAIR_FIELDS, ((7, -3), (-100, 200), (1, 2)))
# An alias of a record without an identifier (typedef Pair Couple).
COUPLE = Record("Couple", "Couple", "Pair", "matrix.shapes.Pair", PAIR_FIELDS, ((8, -4), (-101, 201), (3, 4)),
                declare=False)
# With an identifier of its own.
STAMP = Record("Stamp", "Stamp", "Stamp", "matrix.shapes.Stamp", STAMP_FIELDS, ((11, 12), (-13, 14), (15, -16)),
               guid="7E2E7000-0000-4000-8000-000000000012", info="StampInfo")
# An alias carrying the identifier of its struct: typedef [uuid] struct tagSpan {...} Span.
SPAN = Record("Span", "Span", "Span", "matrix.shapes.tagSpan", SPAN_FIELDS, ((21, 22), (-23, 24), (25, -26)),
              guid="7E2E7000-0000-4000-8000-000000000011", info="SpanInfo")
# FILETIME as widl writes it: the struct _FILETIME, a record without an identifier.
FILETIME = Record("Filetime", "FILETIME", "FILETIME", "matrix.shapes._FILETIME", FILETIME_FIELDS,
                  ((0x11111111, 0x01D00000), (0x22222222, 0x01C00000), (5, 6)), declare=False)
for _r in (PAIR, COUPLE, STAMP, SPAN, FILETIME):
    _r.event_forms = F.EVENT_FORMS


# ---------------------------------------------------------------- OLE colour

class Color(Kind):
    """stdole's OLE_COLOR (an alias of a 32-bit number, known by its GUID):
    java.awt.Color on the Java side, 0x00BBGGRR on the COM side."""
    name, idl, cxx, java, vt = "Color", "OLE_COLOR", "OLE_COLOR", "java.awt.Color", "VT_UI4"
    accessor = "V_UI4"
    forms = F.SCALAR + (F.ARR_IN,)
    event_forms = (F.IN, F.IN_REF, F.OUT, F.IN_OUT)
    values = ((10, 20, 30), (0x11, 0x22, 0x33), (255, 0, 0))

    def s_lit(self, value):
        r, g, b = value
        return "(OLE_COLOR) 0x%06Xu" % (b << 16 | g << 8 | r)

    def s_show(self, expr):
        return "Show( (long long) %s )" % expr

    def j_lit(self, value):
        return "new java.awt.Color(%d, %d, %d)" % value

    def j_eq(self, expr, value):
        return "Check.color(%s, %d, %d, %d)" % ((expr,) + value)

    def j_blank(self):
        return "null"

    def j_is_blank(self, expr):
        return "Check.color(%s, 0, 0, 0)" % expr


COLOR = Color()


KINDS = (I1, UI1, I2, UI2, I4, UI4, INT, UINT, I8, UI8, R4, R8, CY, BOOL, SCODE, COUNTER,
         BSTR, LPSTR, LPWSTR, DATE, GUID, VARIANT, UNKNOWN, DISPATCH, TOKEN, TOKEN_PTR, TONE,
         PAIR, COUPLE, STAMP, SPAN, FILETIME, COLOR)


def by_name(name):
    for kind in KINDS:
        if kind.name == name:
            return kind
    raise KeyError(name)
