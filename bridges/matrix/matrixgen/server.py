"""Writes the shapes server: MatrixIds.h (identifiers, records, interfaces)
and MatrixServer.cpp (the objects, every method, the IDispatch decoding and
the events it fires).

Every method checks what it received against the table's value a and
writes back b (OUT, result) or c (IN/OUT); a mismatch is kept as the
server's complaint (Problem) and answered with MATRIX_E_MISMATCH. Through
IDispatch the server takes its arguments as an automation server built on
the platform's type checking does: a value by value is coerced with
VariantChangeType; a value by reference must carry VT_BYREF and exactly the
declared type (it is written through that pointer).
"""

import re

from . import forms as F
from . import kinds as K
from . import library as L
from . import table as T


def guid_init(text):
    g = text.split("-")
    rest = g[3] + g[4]
    return "{0x%s, 0x%s, 0x%s, {%s}}" % (g[0], g[1], g[2], ", ".join("0x" + rest[i:i + 2] for i in range(0, 16, 2)))


def value_index(form):
    """Which value the callee writes: b (OUT, result) or c (IN/OUT)."""
    return 2 if form.inout else 1


def array_values(kind, which):
    """The elements of the arrays a, b and c."""
    a, b, c = kind.array_vals
    return {0: [a, b], 1: [b, c, a], 2: [c]}[which]


def element_type(kind):
    if isinstance(kind, K.Interface):
        return "IUnknown*"
    if kind is K.TONE:
        return "LONG"
    return kind.cxx


def record_info(kind):
    """The expression of a new record information of a record kind."""
    guid = "GUID_NULL"
    if kind.guid:
        g = kind.guid.split("-")
        rest = g[3] + g[4]
        guid = "MakeGuid( 0x%s, 0x%s, 0x%s, { %s } )" % (
            g[0], g[1], g[2], ", ".join("0x" + rest[i:i + 2] for i in range(0, 16, 2)))
    return "NewRecordInfo( %s, L\"%s\", sizeof( %s ))" % (guid, kind.cxx, kind.cxx)


def element_kind(kind):
    """The kind whose code compares and makes an array's elements."""
    if isinstance(kind, K.Interface):
        return _InterfaceElement(kind)
    if kind is K.TONE:
        return _ToneElement()
    return kind


class _InterfaceElement(K.Interface):
    def __init__(self, kind):
        super().__init__(kind.name, kind.idl, "IUnknown*", kind.java, kind.vt, sa=kind.sa_vt)


class _ToneElement(K.Numeric):
    def __init__(self):
        super().__init__("Tone", "long", "LONG", "int", "VT_I4", "V_I4", "Int", K.TONE.values)

    def s_lit(self, value):
        return "(LONG) %d" % K.TONE.number(value)


def sa_vt(kind):
    return kind.sa_vt


# ---------------------------------------------------------------- MatrixIds.h

def write_ids(out):
    w = out.write
    calls = L.call_shapes()
    events = L.event_shapes()
    w("// The shape matrix's identifiers, records and interfaces, written by write-matrix\n")
    w("// from its table: do not edit.\n")
    w("#pragma once\n\n#include <windows.h>\n#include <ole2.h>\n#include <oleauto.h>\n#include <olectl.h>\n\n")
    for name, text in sorted(L.IIDS.items()):
        prefix = "DIID_" if name.startswith("D") else "IID_"
        if name == "Tone":
            continue
        w("const IID %s%s = %s;\n" % (prefix, name, guid_init(text)))
    for name, text in sorted(L.CLSIDS.items()):
        w("const CLSID CLSID_%s = %s;\n" % (name, guid_init(text)))
    w("\nenum Tone { %s };\n" % ", ".join("Tone%s = %d" % m for m in K.TONE.members))
    w("// The records as the library lays them out.\n")
    for kind in (K.PAIR, K.STAMP, K.SPAN):
        w("struct %s {\n" % kind.cxx)
        for f in kind.fields:
            w("    %s %s;\n" % (f[0], f[2]))
        w("};\n")
    w("static_assert(sizeof(Pair) == 8 && sizeof(Stamp) == 8 && sizeof(Span) == 8, \"the library's record layout\");\n\n")

    w("struct IToken : public IDispatch {\n")
    w("    virtual HRESULT STDMETHODCALLTYPE get_Id(LONG* value) = 0;\n};\n\n")
    for name, base in (("IShapesVtbl", "IUnknown"), ("IShapesDisp", "IDispatch")):
        w("struct %s : public %s {\n" % (name, base))
        for s in calls:
            w("    virtual HRESULT STDMETHODCALLTYPE %s(%s v) = 0;\n" % (s.method, s.cxx_type()))
        w("};\n\n")
    w("struct IMatrixControl : public IDispatch {\n")
    w("    virtual HRESULT STDMETHODCALLTYPE MakeToken(LONG id, IToken** token) = 0;\n")
    w("    virtual HRESULT STDMETHODCALLTYPE Problem(BSTR* text) = 0;\n")
    w("    virtual HRESULT STDMETHODCALLTYPE Balance(LONG* references) = 0;\n")
    w("    virtual HRESULT STDMETHODCALLTYPE Fire(BSTR event, VARIANT_BOOL throughVtable) = 0;\n")
    w("    virtual HRESULT STDMETHODCALLTYPE MakeLoose(LONG id, IUnknown** loose) = 0;\n")
    w("    virtual HRESULT STDMETHODCALLTYPE FireRefused(BSTR event, VARIANT_BOOL throughVtable) = 0;\n")
    w("};\n\n")
    w("struct IShapesEvents : public IDispatch {\n")
    for s in events:
        w("    virtual HRESULT STDMETHODCALLTYPE %s(%s v) = 0;\n" % (s.method, s.cxx_type()))
    w("};\n")


# ---------------------------------------------------------------- the methods

def null_check(name, expr):
    return "    if ( !%s ) return Bad( \"%s\", \"null pointer\" );\n" % (expr, name)


def check_value(kind, name, expr, value, what="value"):
    return ("    if ( !( %s )) return Bad( \"%s\", std::string( \"%s \" ) + %s );\n"
            % (kind.s_check(expr, value), name, what, kind.s_show(expr)))


def array_problem(kind, expr, values):
    """An expression of the complaint about an array (empty when it holds the values)."""
    e = element_kind(kind)
    out = ["ArrayProblem( %s, %s, %d, [&]( ArrayData& data ) -> std::string {\n" % (expr, kind.sa_vt, len(values))]
    for i, v in enumerate(values):
        el = "data.At<%s>( %d )" % (element_type(kind), i)
        out.append("        if ( !( %s )) return \"element %d \" + %s;\n" % (e.s_check(el, v), i, e.s_show(el)))
    out.append("        return std::string();\n    } )")
    return "".join(out)


def check_array(kind, name, expr, values, what="array"):
    return ("    {\n        std::string why = %s;\n        if ( !why.empty()) return Bad( \"%s\", \"%s: \" + why );\n    }\n"
            % (array_problem(kind, expr, values).replace("\n", "\n    "), name, what))


def make_array(kind, target, values, indent="    "):
    """Statements storing a new array of the values into `target`."""
    e = element_kind(kind)
    out = []
    if isinstance(kind, K.Record):
        out.append("%s{\n%s    IRecordInfo* info = %s;\n" % (indent, indent, record_info(kind)))
        out.append("%s    %s = NewArray( VT_RECORD, %d, info );\n" % (indent, target, len(values)))
        out.append("%s    info->Release();  // the array holds its own\n%s}\n" % (indent, indent))
    else:
        out.append("%s%s = NewArray( %s, %d );\n" % (indent, target, kind.sa_vt, len(values)))
    out.append("%s{\n%s    ArrayData data( %s );\n" % (indent, indent, target))
    for i, v in enumerate(values):
        out.append("%s    %s\n" % (indent, e.s_set("data.At<%s>( %d )" % (element_type(kind), i), v)))
    out.append("%s}\n" % indent)
    return "".join(out)


# The callee overwrites an out-only argument without freeing what it held: a
# caller must pass it empty (or lose what it passed).
OUT_ONLY_EMPTY = "    if ( !( %s )) return Bad( \"%s\", \"an out-only argument came in holding a value\" );\n"


def method_body(shape):
    """The body of the virtual-table method of a call shape."""
    k, f, name = shape.kind, shape.form, shape.method
    if isinstance(k, K.Unsupported) or (f.array and not k.sa_vt):
        return "    (void) v;\n    return Bad( \"%s\", \"a refused shape was called\" );\n" % name
    a, b, c = k.values
    out = []
    if f.array:
        if f is F.ARR_IN:
            out.append(check_array(k, name, "v", array_values(k, 0)))
        elif f is F.ARR_IN_REF:
            out.append(null_check(name, "v"))
            out.append(check_array(k, name, "*v", array_values(k, 0)))
        else:
            out.append(null_check(name, "v"))
            if f is F.ARR_OUT:
                out.append(OUT_ONLY_EMPTY % ("*v == 0", name))
            if f is F.ARR_IN_OUT:
                out.append(check_array(k, name, "*v", array_values(k, 0)))
                out.append("    SafeArrayDestroy( *v );\n")
            out.append(make_array(k, "*v", array_values(k, value_index(f))))
        out.append("    return S_OK;\n")
        return "".join(out)
    if f is F.IN:
        out.append(check_value(k, name, "v", a))
    elif f is F.IN_REF:
        out.append(null_check(name, "v"))
        out.append(check_value(k, name, "*v", a))
    elif f in (F.OUT, F.RET):
        out.append(null_check(name, "v"))
        empty = k.s_is_empty("*v")
        if f is F.OUT and empty:
            out.append(OUT_ONLY_EMPTY % (empty, name))
        out.append("    %s\n" % k.s_set("*v", b))
    elif f is F.IN_OUT:
        out.append(null_check(name, "v"))
        out.append(check_value(k, name, "*v", a))
        free = k.s_free("*v")
        if free:
            out.append("    %s\n" % free)
        out.append("    %s\n" % k.s_set("*v", c))
    elif f is F.IN_REF2:
        out.append(null_check(name, "v"))
        out.append(null_check(name, "*v"))
        out.append(check_value(k, name, "**v", a))
    else:
        # Through a pointer to a pointer the callee hands back a value of its
        # own: the slot stays the server's.
        out.append(null_check(name, "v"))
        if f is F.IN_OUT2:
            out.append(null_check(name, "*v"))
            out.append(check_value(k, name, "**v", a))
        out.append("    static %s slot;\n" % k.cxx)
        free = k.s_free("slot")
        if free:
            out.append("    %s\n" % free)
        out.append("    %s\n" % k.s_set("slot", c if f is F.IN_OUT2 else b))
        out.append("    *v = &slot;\n")
    out.append("    return S_OK;\n")
    return "".join(out)


# ---------------------------------------------------------------- IDispatch decoding

def by_value(kind, arg, name, local):
    """Statements declaring `local` (the kind's C++ type) from a by-value
    argument, and the statements that release what they made."""
    if isinstance(kind, K.Record):
        return ("    if (( V_VT(%s) & ~VT_BYREF ) != VT_RECORD || !%s->pvRecord ) return BadInvoke( \"%s\", \"not a record: \" + ShowVariant( %s ), excepInfo );\n"
                "    %s %s = *(%s *) %s->pvRecord;\n" % (arg, arg, name, arg, kind.cxx, local, kind.cxx, arg)), ""
    if kind is K.VARIANT:
        return ("    VARIANT %s = V_VT(%s) == ( VT_BYREF | VT_VARIANT ) ? *V_VARIANTREF(%s) : *%s;\n"
                % (local, arg, arg, arg)), ""
    if kind is K.GUID:
        return ("    if ( V_VT(%s) != VT_CLSID || !V_BYREF(%s) ) return BadInvoke( \"%s\", \"not a GUID: \" + ShowVariant( %s ), excepInfo );\n"
                "    GUID %s = *(GUID *) V_BYREF(%s);\n" % (arg, arg, name, arg, local, arg)), ""
    if kind is K.LPWSTR:
        return ("    VARIANT %s_t;\n    VariantInit( &%s_t );\n"
                "    if ( FAILED( VariantChangeType( &%s_t, %s, 0, VT_BSTR ))) return BadInvoke( \"%s\", \"not a string: \" + ShowVariant( %s ), excepInfo );\n"
                "    LPWSTR %s = V_BSTR( &%s_t );\n" % (local, local, local, arg, name, arg, local, local)), \
            "    VariantClear( &%s_t );\n" % local
    return ("    VARIANT %s_t;\n    VariantInit( &%s_t );\n"
            "    if ( FAILED( VariantChangeType( &%s_t, %s, 0, %s ))) return BadInvoke( \"%s\", \"not coercible to %s: \" + ShowVariant( %s ), excepInfo );\n"
            "    %s %s = (%s) %s;\n" % (local, local, local, arg, kind.vt, name, kind.vt, arg,
                                       kind.cxx, local, kind.cxx, kind.v_get("&%s_t" % local))), \
        "    VariantClear( &%s_t );\n" % local


# VT_INT and VT_UINT are the 4-byte VT_I4 and VT_UI4 of this platform: a
# value by reference or in an array of either type is the same value.
SAME_VT = {"VT_INT": "VT_I4", "VT_UINT": "VT_UI4"}


def vt_test(expr, vt):
    """A test that the VARTYPE expression is vt (or its 4-byte equivalent)."""
    base = vt.split("|")[-1].strip()
    if base in SAME_VT:
        return "( %s == ( %s ) || %s == ( %s ))" % (expr, vt, expr, vt.replace(base, SAME_VT[base]))
    return "%s == ( %s )" % (expr, vt)


def by_reference(kind, arg, name, local, in_only=False):
    """Statements declaring `local` as the kind's C++ type * from a
    by-reference argument. An IN-only argument may also come by value: it is
    converted into a local whose address the method gets."""
    if in_only and kind.vt and kind is not K.VARIANT and not isinstance(kind, K.Record) and kind is not K.GUID:
        code, cleanup = by_value(kind, arg, name, local + "Value")
        return ("    %s * %s = 0;\n" % (kind.cxx, local) +
                "    if ( V_VT(%s) & VT_BYREF ) {\n" % arg +
                "        if ( !( %s )) return BadInvoke( \"%s\", \"not VT_BYREF | %s: \" + ShowVariant( %s ), excepInfo );\n"
                % (vt_test("V_VT(%s)" % arg, "VT_BYREF | " + kind.vt), name, kind.vt, arg) +
                "        %s = (%s *) V_BYREF(%s);\n    }\n" % (local, kind.cxx, arg) +
                code +
                "    if ( !%s ) %s = &%sValue;\n" % (local, local, local)), cleanup
    if isinstance(kind, K.Record):
        return ("    if (( V_VT(%s) & ~VT_BYREF ) != VT_RECORD || !%s->pvRecord ) return BadInvoke( \"%s\", \"not a record: \" + ShowVariant( %s ), excepInfo );\n"
                "    %s * %s = (%s *) %s->pvRecord;\n" % (arg, arg, name, arg, kind.cxx, local, kind.cxx, arg)), ""
    if kind is K.VARIANT and in_only:
        return ("    VARIANT * %s = V_VT(%s) == ( VT_BYREF | VT_VARIANT ) ? V_VARIANTREF(%s) : %s;\n"
                % (local, arg, arg, arg)), ""
    if kind is K.VARIANT:
        return ("    if ( V_VT(%s) != ( VT_BYREF | VT_VARIANT )) return BadInvoke( \"%s\", \"not VT_BYREF | VT_VARIANT: \" + ShowVariant( %s ), excepInfo );\n"
                "    VARIANT * %s = V_VARIANTREF(%s);\n" % (arg, name, arg, local, arg)), ""
    if kind is K.GUID:
        return ("    if ( V_VT(%s) != ( VT_BYREF | VT_CLSID ) || !V_BYREF(%s) ) return BadInvoke( \"%s\", \"not VT_BYREF | VT_CLSID: \" + ShowVariant( %s ), excepInfo );\n"
                "    GUID * %s = (GUID *) V_BYREF(%s);\n" % (arg, arg, name, arg, local, arg)), ""
    return ("    if ( !( %s )) return BadInvoke( \"%s\", \"not VT_BYREF | %s: \" + ShowVariant( %s ), excepInfo );\n"
            "    %s * %s = (%s *) V_BYREF(%s);\n" % (vt_test("V_VT(%s)" % arg, "VT_BYREF | " + kind.vt), name, kind.vt, arg,
                                                  kind.cxx, local, kind.cxx, arg)), ""


def put_result(kind, value):
    """Statements making *result hold the value (owned by the caller)."""
    if isinstance(kind, K.Record):
        return ("    {\n        IRecordInfo* info = %s;\n        V_VT(result) = VT_RECORD;\n"
                "        result->pRecInfo = info;\n        result->pvRecord = info->RecordCreate();\n"
                "        *(%s *) result->pvRecord = %s;\n    }\n" % (record_info(kind), kind.cxx, kind.s_lit(value)))
    if kind is K.VARIANT:
        return "    %s\n" % kind.s_set("*result", value)
    if kind is K.GUID:
        return ("    static GUID resultGuid;\n    resultGuid = %s;\n    V_VT(result) = VT_CLSID;\n"
                "    V_BYREF(result) = &resultGuid;\n" % kind.s_lit(value))
    return "    %s\n" % kind.v_put("result", value)


def put_local_result(kind, local):
    """Statements moving the value in `local` into *result."""
    if isinstance(kind, K.Record) or kind is K.GUID:
        return None
    if kind is K.VARIANT:
        return "    *result = %s;\n" % local
    return "    V_VT(result) = %s;\n    %s = %s;\n" % (kind.vt, kind.v_get("result"), local)


def invoke_case(shape):
    """The decoding of one call shape's IDispatch::Invoke."""
    k, f, name = shape.kind, shape.form, shape.method
    out = ["HRESULT Shapes::Invoke%s(DISPPARAMS* params, VARIANT* result, EXCEPINFO* excepInfo) {\n" % name]
    if isinstance(k, K.Unsupported) or k is K.LPSTR or (f.array and not k.sa_vt):
        # Never called through IDispatch: the bridge refuses the shape, or
        # calls it through the virtual table.
        out.append("    return BadInvoke( \"%s\", \"called through IDispatch\", excepInfo );\n}\n\n" % name)
        return unnamed_unused(out)
    if not f.result:
        out.append("    VARIANT* arg = ArgumentAt( params, 0 );\n")
        out.append("    if ( !arg ) return BadInvoke( \"%s\", \"no argument\", excepInfo );\n" % name)
    else:
        out.append("    if ( !result ) return BadInvoke( \"%s\", \"no place for the result\", excepInfo );\n" % name)
    cleanup = ""
    if f.array:
        vt = "VT_ARRAY | %s" % k.sa_vt
        either = isinstance(k, K.Interface)
        match = ("( V_VT(arg) & ~( VT_BYREF | VT_TYPEMASK )) == VT_ARRAY && (( V_VT(arg) & VT_TYPEMASK ) == VT_UNKNOWN || ( V_VT(arg) & VT_TYPEMASK ) == VT_DISPATCH )"
                 if either else "( V_VT(arg) & ~( VT_BYREF | VT_TYPEMASK )) == VT_ARRAY && %s"
                 % vt_test("( V_VT(arg) & VT_TYPEMASK )", k.sa_vt))
        if f is F.ARR_IN:
            out.append("    if ( !( %s )) return BadInvoke( \"%s\", \"not an array of %s: \" + ShowVariant( arg ), excepInfo );\n"
                       % (match, name, k.sa_vt))
            out.append("    HRESULT hr = %s( ( V_VT(arg) & VT_BYREF ) ? *V_ARRAYREF(arg) : V_ARRAY(arg) );\n" % name)
        elif f is F.ARR_RET:
            out.append("    SAFEARRAY* local = 0;\n    HRESULT hr = %s( &local );\n" % name)
            out.append("    if ( SUCCEEDED( hr )) {\n        V_VT(result) = %s;\n        V_ARRAY(result) = local;\n    }\n" % vt)
        else:
            out.append("    if ( !( %s ) || !( V_VT(arg) & VT_BYREF )) return BadInvoke( \"%s\", \"not VT_BYREF | VT_ARRAY | %s: \" + ShowVariant( arg ), excepInfo );\n"
                       % (match, name, k.sa_vt))
            out.append("    HRESULT hr = %s( V_ARRAYREF(arg) );\n" % name)
    elif f is F.IN:
        code, cleanup = by_value(k, "arg", name, "local")
        out.append(code)
        out.append("    HRESULT hr = %s( local );\n" % name)
    elif f in (F.IN_REF, F.OUT, F.IN_OUT):
        code, cleanup = by_reference(k, "arg", name, "local", in_only=f is F.IN_REF)
        out.append(code)
        out.append("    HRESULT hr = %s( local );\n" % name)
    elif f is F.RET:
        out.append("    %s local;\n" % k.cxx)
        out.append("    %s\n" % k.s_empty("local"))
        out.append("    HRESULT hr = %s( &local );\n" % name)
        move = put_local_result(k, "local")
        if move:
            out.append("    if ( SUCCEEDED( hr )) {\n%s    }\n" % move.replace("    ", "        "))
        else:
            out.append("    if ( SUCCEEDED( hr )) {\n%s    }\n" % put_result(k, k.values[1]).replace("\n    ", "\n        ").replace("    ", "        ", 1))
    elif f is F.RET2:
        out.append("    %s * local = 0;\n" % k.cxx)
        out.append("    HRESULT hr = %s( &local );\n" % name)
        slot_free = k.s_free("*local")
        out.append("    if ( SUCCEEDED( hr )) {\n%s%s    }\n" % (put_result(k, k.values[1]),
                   "        if ( local ) { %s }\n" % slot_free if slot_free else ""))
    else:
        # A pointer to a pointer: the callee may hand back a value of its
        # own, whose value the caller's VARIANT then takes.
        code, cleanup = by_reference(k, "arg", name, "target", in_only=f is F.IN_REF2)
        out.append(code)
        out.append("    %s * local = target;\n" % k.cxx)
        out.append("    HRESULT hr = %s( &local );\n" % name)
        if f is not F.IN_REF2:
            # The caller's VARIANT takes the value; the server's own slot lets go of its.
            value = k.values[2] if f is F.IN_OUT2 else k.values[1]
            free = k.s_free("*target") if f is F.IN_OUT2 else ""
            out.append("    if ( SUCCEEDED( hr ) && local != target ) {\n")
            if free:
                out.append("        %s\n" % free)
            out.append("        %s\n" % k.s_set("*target", value))
            slot_free = k.s_free("*local")
            if slot_free:
                out.append("        %s\n" % slot_free)
            out.append("    }\n")
    out.append(cleanup)
    out.append("    if ( hr == MATRIX_E_MISMATCH ) return ReportInvoke( excepInfo );\n")
    out.append("    return hr;\n}\n\n")
    return unnamed_unused(out)


def unnamed_unused(out):
    """The method with the parameters its body does not use left unnamed."""
    head, body = out[0], "".join(out[1:])
    for param in ("params", "result"):
        if not re.search(r"\b%s\b" % param, body):
            head = head.replace("* %s," % param, "*,")
    return head + body


# ---------------------------------------------------------------- events

def event_writes_back(kind, form):
    """Whether a listener can hand a new value back through this event
    argument (the generated listener gets a one-element array or a holder)."""
    if form.array:
        return form.writes
    return form.writes and kind.event_back


def hands_back_loose(kind, form):
    """Whether an event's listener hands back a loose object (an IUnknown
    apart from its IDispatch): where it can hand back any object."""
    return kind in (K.UNKNOWN, K.DISPATCH) and event_writes_back(kind, form) and not form.array


def wrong_argument(shape):
    """The WrongArgument an event is refused with (None: its sink takes the
    argument as it comes, only a missing one is refused)."""
    if not T.sink_types(shape):
        return "None"
    byref = shape.form is not F.IN
    if isinstance(shape.kind, K.Interface):
        return "ObjectByRef" if byref else "Object"
    return "ValueByRef" if byref else "Value"


def sink_refuses(shape, build):
    """Per sink (dispatch, virtual table): whether the table says the sink
    reports an exception in place of the value going back (the argument
    then stays as it came)."""
    return tuple(isinstance(T.expectation(T.Cell(shape, p), build), T.Throws)
                 for p in (F.DISPATCH_EVENTS, F.VTABLE_EVENTS))


def event_fire(shape, events, build=None):
    """The firing of one event to every advised sink of one kind."""
    k, f, name = shape.kind, shape.form, shape.method
    number = L.dispid(events, shape)
    out = ["HRESULT Shapes::Fire%s(bool vtable) {\n" % name,
           "    std::vector<IUnknown*> sinks = ( vtable ? dualPoint_ : dispatchPoint_ ).Sinks( vtable ? IID_IShapesEvents : IID_IDispatch );\n",
           "    if ( sinks.empty()) return Bad( \"%s\", \"no listener\" );\n" % name,
           "    HRESULT answer = S_OK;\n",
           "    for ( IUnknown* sink : sinks ) {\n"]
    a = k.values[0]
    if f is F.RET:
        out.append("        VARIANT_BOOL slot = VARIANT_FALSE;\n")
        out.append("        VARIANT reply;\n        VariantInit( &reply );\n")
        out.append("        HRESULT hr;\n")
        out.append("        if ( vtable ) {\n            hr = static_cast<IShapesEvents*>( sink )->%s( &slot );\n" % name)
        out.append("        } else {\n            DISPPARAMS none = { 0, 0, 0, 0 };\n")
        out.append("            hr = static_cast<IDispatch*>( sink )->Invoke( %d, IID_NULL, 0, DISPATCH_METHOD, &none, &reply, 0, 0 );\n" % number)
        out.append("        }\n")
        out.append("        VariantClear( &reply );\n")
        out.append("        // The listener answers true: S_OK.\n")
        out.append("        if ( hr != S_OK && answer == S_OK ) answer = Bad( \"%s\", \"answered \" + Show( (long long) hr ));\n" % name)
        out.append("        sink->Release();\n    }\n    return answer;\n}\n\n")
        return "".join(out)
    # The argument.
    # An out-only argument comes in holding what no sink may read or free.
    if f.array:
        out.append("        SAFEARRAY* slot = 0;\n")
        if f.reads:
            out.append(make_array(k, "slot", array_values(k, 0), "        "))
        if f.out_only:
            out.append("        SAFEARRAY* poison = PoisonArray();\n        slot = poison;\n")
        vt = "VT_ARRAY | %s" % k.sa_vt
        byref = f is not F.ARR_IN
    else:
        out.append("        %s slot;\n" % k.cxx)
        out.append("        %s\n" % k.s_empty("slot"))
        if f.reads:
            out.append("        %s\n" % k.s_set("slot", a))
        if f.out_only:
            out.append("        %s\n" % k.s_poison("slot"))
        byref = f is not F.IN
    out.append("        HRESULT hr;\n")
    out.append("        if ( vtable ) {\n")
    out.append("            hr = static_cast<IShapesEvents*>( sink )->%s( %sslot );\n" % (name, "&" if byref else ""))
    out.append("        } else {\n")
    out.append("            VARIANT arg;\n            VariantInit( &arg );\n")
    info_release = ""
    if f.array:
        if byref:
            out.append("            V_VT(&arg) = VT_BYREF | %s;\n            V_ARRAYREF(&arg) = &slot;\n" % vt)
        else:
            out.append("            V_VT(&arg) = %s;\n            V_ARRAY(&arg) = slot;\n" % vt)
    elif isinstance(k, K.Record):
        out.append("            IRecordInfo* info = %s;\n" % record_info(k))
        out.append("            V_VT(&arg) = VT_RECORD%s;\n            arg.pvRecord = &slot;\n            arg.pRecInfo = info;\n"
                   % (" | VT_BYREF" if byref else ""))
        info_release = "            info->Release();\n"
    elif k is K.VARIANT:
        if byref:
            out.append("            V_VT(&arg) = VT_BYREF | VT_VARIANT;\n            V_VARIANTREF(&arg) = &slot;\n")
        else:
            out.append("            arg = slot;  // the VARIANT itself, still the slot's\n")
    elif k is K.GUID:
        out.append("            V_VT(&arg) = %sVT_CLSID;\n            V_BYREF(&arg) = &slot;\n" % ("VT_BYREF | " if byref else ""))
    else:
        if byref:
            out.append("            V_VT(&arg) = VT_BYREF | %s;\n            V_BYREF(&arg) = &slot;\n" % k.vt)
        else:
            out.append("            V_VT(&arg) = %s;\n            %s = slot;\n" % (k.vt, k.v_get("&arg")))
    out.append("            DISPPARAMS params = { &arg, 0, 1, 0 };\n")
    out.append("            hr = static_cast<IDispatch*>( sink )->Invoke( %d, IID_NULL, 0, DISPATCH_METHOD, &params, 0, 0, 0 );\n" % number)
    out.append(info_release)
    out.append("        }\n")
    out.append("        if ( FAILED( hr ) && answer == S_OK ) answer = Bad( \"%s\", \"the sink answered \" + Show( (long long) hr ));\n" % name)
    # What the argument holds afterwards.
    if f.writes or f is F.IN_REF or f.array and f is not F.ARR_IN:
        if f.array:
            expect = value_index(f) if f.writes else 0
            refusing = sink_refuses(shape, build)
            kept = ""
            if any(refusing):
                # The array the listener left could not go back: the
                # caller's stays as it came (an out-only one stays empty).
                kept_check = ("slot == 0 ? std::string() : std::string( \"an array\" )" if not f.reads else
                              array_problem(k, "slot", array_values(k, 0)).replace("\n", "\n        "))
                kept = ("        bool refused = %s;\n" % ("vtable" if refusing == (False, True) else
                                                          "!vtable" if refusing == (True, False) else "true") +
                        "        if ( answer == S_OK && refused ) {\n            std::string why = %s;\n" % kept_check +
                        "            if ( !why.empty()) answer = Bad( \"%s\", \"argument afterwards, kept: \" + why );\n        }\n" % name)
            out.append(kept)
            out.append("        if ( answer == S_OK%s ) {\n            std::string why = %s;\n"
                       % (" && !refused" if kept else "",
                          array_problem(k, "slot", array_values(k, expect)).replace("\n", "\n        ")))
            out.append("            if ( !why.empty()) answer = Bad( \"%s\", \"argument afterwards: \" + why );\n        }\n" % name)
        else:
            if event_writes_back(k, f):
                expected = k.values[value_index(f)]
            elif f.reads:
                expected = a
            else:
                expected = None
            if expected is not None and hands_back_loose(k, f):
                # The listener hands back an object whose IUnknown is apart
                # from its IDispatch: an IDispatch* slot must get the latter.
                out.append("        if ( answer == S_OK && !LooseIs( slot, %d, %s )) answer = Bad( \"%s\", std::string( \"argument afterwards \" ) + ShowLoose( slot ));\n"
                           % (expected, "true" if k is K.DISPATCH else "false", name))
            elif expected is not None:
                out.append("        if ( answer == S_OK && !( %s )) answer = Bad( \"%s\", std::string( \"argument afterwards \" ) + %s );\n"
                           % (k.s_check("slot", expected), name, k.s_show("slot")))
            elif f.out_only:
                # The listener cannot hand a value back: the sink wrote the
                # empty value (the one the listener got) over the poison.
                out.append("        if ( answer == S_OK && !( %s )) answer = Bad( \"%s\", std::string( \"argument afterwards, not empty: \" ) + %s );\n"
                           % (k.s_is_blank("slot"), name, k.s_show("slot")))
    if f.array:
        if f.out_only:
            out.append("        if ( slot == poison ) slot = 0;\n        FreePoisonArray( poison );\n")
        out.append("        SafeArrayDestroy( slot );\n")
    else:
        if f.out_only and k.s_unpoison("slot"):
            out.append("        %s\n" % k.s_unpoison("slot"))
        free = k.s_free("slot")
        if free:
            out.append("        %s\n" % free)
    out.append("        sink->Release();\n    }\n    return answer;\n}\n\n")
    return "".join(out)


# ---------------------------------------------------------------- MatrixServer.cpp

def write_server(out, build=None):
    w = out.write
    calls = L.call_shapes()
    events = L.event_shapes()
    w("// The shapes server, written by write-matrix from the matrix's table: do not edit.\n")
    w('#include "MatrixSupport.h"\n\n')
    w("namespace {\n\n")
    w("// The object of class Shapes: every shape through IDispatch and through the\n")
    w("// virtual table, the control interface and the two event interfaces.\n")
    w("class Shapes : public IShapesDisp, public IShapesVtbl, public IMatrixControl, public IConnectionPointContainer {\n")
    w("public:\n")
    w("    Shapes() : dispatchPoint_(static_cast<IShapesDisp*>(this), this, DIID_DShapesEvents),\n")
    w("               dualPoint_(static_cast<IShapesDisp*>(this), this, IID_IShapesEvents) {}\n")
    w("    virtual ~Shapes() = default;\n")
    w("    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;\n")
    w("    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&refs_); }\n")
    w("    ULONG STDMETHODCALLTYPE Release() override {\n")
    w("        LONG n = InterlockedDecrement(&refs_);\n        if (n == 0) delete this;\n        return n;\n    }\n")
    w("    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override {\n        *n = 0;\n        return S_OK;\n    }\n")
    w("    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }\n")
    w("    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }\n")
    w("    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,\n")
    w("                                     EXCEPINFO* excepInfo, UINT* argErr) override;\n")
    w("    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints**) override { return E_NOTIMPL; }\n")
    w("    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID riid, IConnectionPoint** point) override;\n")
    w("    HRESULT STDMETHODCALLTYPE MakeToken(LONG id, IToken** token) override;\n")
    w("    HRESULT STDMETHODCALLTYPE Problem(BSTR* text) override;\n")
    w("    HRESULT STDMETHODCALLTYPE Balance(LONG* references) override;\n")
    w("    HRESULT STDMETHODCALLTYPE Fire(BSTR event, VARIANT_BOOL throughVtable) override;\n")
    w("    HRESULT STDMETHODCALLTYPE MakeLoose(LONG id, IUnknown** loose) override;\n")
    w("    HRESULT STDMETHODCALLTYPE FireRefused(BSTR event, VARIANT_BOOL throughVtable) override;\n\n")
    w("    // The shapes (each implements IShapesDisp's and IShapesVtbl's method).\n")
    for s in calls:
        w("    HRESULT STDMETHODCALLTYPE %s(%s v) override;\n" % (s.method, s.cxx_type()))
    w("\nprivate:\n")
    for s in calls:
        w("    HRESULT Invoke%s(DISPPARAMS* params, VARIANT* result, EXCEPINFO* excepInfo);\n" % s.method)
    for s in events:
        w("    HRESULT Fire%s(bool vtable);\n" % s.method)
    w("    HRESULT InvokeControl(DISPID id, DISPPARAMS* params, VARIANT* result, EXCEPINFO* excepInfo);\n")
    w("\n")
    w("    LONG refs_ = 0;\n    ConnectionPoint dispatchPoint_;\n    ConnectionPoint dualPoint_;\n};\n\n")

    w("HRESULT Shapes::QueryInterface(REFIID riid, void** ppv) {\n")
    w("    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, IID_IShapesDisp))\n")
    w("        *ppv = static_cast<IShapesDisp*>(this);\n")
    w("    else if (IsEqualIID(riid, IID_IShapesVtbl))\n        *ppv = static_cast<IShapesVtbl*>(this);\n")
    w("    else if (IsEqualIID(riid, IID_IMatrixControl))\n        *ppv = static_cast<IMatrixControl*>(this);\n")
    w("    else if (IsEqualIID(riid, IID_IConnectionPointContainer))\n        *ppv = static_cast<IConnectionPointContainer*>(this);\n")
    w("    else {\n        *ppv = nullptr;\n        return E_NOINTERFACE;\n    }\n")
    w("    AddRef();\n    return S_OK;\n}\n\n")

    w("HRESULT Shapes::FindConnectionPoint(REFIID riid, IConnectionPoint** point) {\n")
    w("    if (!point) return E_POINTER;\n")
    w("    if (IsEqualIID(riid, DIID_DShapesEvents)) *point = &dispatchPoint_;\n")
    w("    else if (IsEqualIID(riid, IID_IShapesEvents)) *point = &dualPoint_;\n")
    w("    else {\n        *point = nullptr;\n        return CONNECT_E_NOCONNECTION;\n    }\n")
    w("    (*point)->AddRef();\n    return S_OK;\n}\n\n")

    w("HRESULT Shapes::MakeToken(LONG id, IToken** token) {\n")
    w("    if (!token) return E_POINTER;\n    *token = NewToken(id);\n    return S_OK;\n}\n\n")
    w("HRESULT Shapes::Problem(BSTR* text) {\n")
    w("    if (!text) return E_POINTER;\n    std::string problem = TakeProblem();\n")
    w("    std::vector<OLECHAR> wide(problem.begin(), problem.end());\n")
    w("    *text = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));\n    return S_OK;\n}\n\n")
    w("HRESULT Shapes::Balance(LONG* references) {\n")
    w("    if (!references) return E_POINTER;\n    *references = Outstanding();\n    return S_OK;\n}\n\n")
    w("HRESULT Shapes::Fire(BSTR event, VARIANT_BOOL throughVtable) {\n")
    w("    bool vtable = throughVtable != VARIANT_FALSE;\n")
    for s in events:
        w("    if (BstrIs(event, L\"%s\")) return Fire%s(vtable);\n" % (s.method, s.method))
    w("    return Bad(\"Fire\", \"no such event \" + ShowText(event));\n}\n\n")
    w("HRESULT Shapes::MakeLoose(LONG id, IUnknown** loose) {\n")
    w("    if (!loose) return E_POINTER;\n    *loose = NewLoose(id);\n    return S_OK;\n}\n\n")
    w("HRESULT Shapes::FireRefused(BSTR event, VARIANT_BOOL throughVtable) {\n")
    w("    // Each event, and the argument of another type its sink must refuse.\n")
    w("    static const RefusedEvent events[] = {\n")
    for s in events:
        if s.form is F.RET:
            continue
        w("        {\"%s\", L\"%s\", %d, WrongArgument::%s},\n" % (s.method, s.method, L.dispid(events, s), wrong_argument(s)))
    w("    };\n")
    w("    bool vtable = throughVtable != VARIANT_FALSE;\n")
    w("    for (const RefusedEvent& e : events)\n")
    w("        if (BstrIs(event, e.wideName)) return FireRefusedEvent(( vtable ? dualPoint_ : dispatchPoint_ ).Sinks(IID_IDispatch), e);\n")
    w("    return Bad(\"FireRefused\", \"no such event \" + ShowText(event));\n}\n\n")


    w("HRESULT Shapes::InvokeControl(DISPID id, DISPPARAMS* params, VARIANT* result, EXCEPINFO* excepInfo) {\n")
    w("    VARIANT scratch;\n    if (!result) result = &scratch;\n    VariantInit(result);\n")
    w("    switch (id) {\n")
    w("    case 10001: {\n        VARIANT* arg = ArgumentAt(params, 0);\n        VARIANT t;\n        VariantInit(&t);\n")
    w("        if (!arg || FAILED(VariantChangeType(&t, arg, 0, VT_I4))) return BadInvoke(\"MakeToken\", \"no number\", excepInfo);\n")
    w("        IToken* token = nullptr;\n        MakeToken(V_I4(&t), &token);\n")
    w("        V_VT(result) = VT_DISPATCH;\n        V_DISPATCH(result) = token;\n        return S_OK;\n    }\n")
    w("    case 10002:\n        V_VT(result) = VT_BSTR;\n        return Problem(&V_BSTR(result));\n")
    w("    case 10003:\n        V_VT(result) = VT_I4;\n        return Balance(&V_I4(result));\n")
    w("    case 10004: {\n        VARIANT* event = ArgumentAt(params, 0);\n        VARIANT* through = ArgumentAt(params, 1);\n")
    w("        if (!event || V_VT(event) != VT_BSTR || !through || V_VT(through) != VT_BOOL)\n")
    w("            return BadInvoke(\"Fire\", \"arguments\", excepInfo);\n")
    w("        HRESULT hr = Fire(V_BSTR(event), V_BOOL(through));\n")
    w("        return hr == MATRIX_E_MISMATCH ? ReportInvoke(excepInfo) : hr;\n    }\n")
    w("    case 10005: {\n        VARIANT* arg = ArgumentAt(params, 0);\n        VARIANT t;\n        VariantInit(&t);\n")
    w("        if (!arg || FAILED(VariantChangeType(&t, arg, 0, VT_I4))) return BadInvoke(\"MakeLoose\", \"no number\", excepInfo);\n")
    w("        V_VT(result) = VT_UNKNOWN;\n        return MakeLoose(V_I4(&t), &V_UNKNOWN(result));\n    }\n")
    w("    case 10006: {\n        VARIANT* event = ArgumentAt(params, 0);\n        VARIANT* through = ArgumentAt(params, 1);\n")
    w("        if (!event || V_VT(event) != VT_BSTR || !through || V_VT(through) != VT_BOOL)\n")
    w("            return BadInvoke(\"FireRefused\", \"arguments\", excepInfo);\n")
    w("        HRESULT hr = FireRefused(V_BSTR(event), V_BOOL(through));\n")
    w("        return hr == MATRIX_E_MISMATCH ? ReportInvoke(excepInfo) : hr;\n    }\n")
    w("    default:\n        return DISP_E_MEMBERNOTFOUND;\n    }\n}\n\n")

    w("HRESULT Shapes::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT* result, EXCEPINFO* excepInfo,\n")
    w("                       UINT*) {\n")
    w("    if (id > 10000) return InvokeControl(id, params, result, excepInfo);\n")
    w("    VARIANT scratch;\n    if (!result) result = &scratch;\n    VariantInit(result);\n")
    w("    switch (id) {\n")
    for s in calls:
        w("    case %d: return Invoke%s(params, result, excepInfo);\n" % (L.dispid(calls, s), s.method))
    w("    default: return DISP_E_MEMBERNOTFOUND;\n    }\n}\n\n")

    for s in calls:
        w("HRESULT Shapes::%s(%s v) {\n" % (s.method, s.cxx_type()))
        w(method_body(s))
        w("}\n\n")
    for s in calls:
        w(invoke_case(s))
    for s in events:
        w(event_fire(s, events, build))

    w("// A server of IShapesDisp that answers through IDispatch only: every\n")
    w("// virtual-table method is E_NOTIMPL.\n")
    w("class DispatchOnly : public IShapesDisp {\npublic:\n")
    w("    virtual ~DispatchOnly() = default;\n")
    w("    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {\n")
    w("        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, IID_IShapesDisp)) {\n")
    w("            *ppv = static_cast<IShapesDisp*>(this);\n            AddRef();\n            return S_OK;\n        }\n")
    w("        *ppv = nullptr;\n        return E_NOINTERFACE;\n    }\n")
    w("    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&refs_); }\n")
    w("    ULONG STDMETHODCALLTYPE Release() override {\n")
    w("        LONG n = InterlockedDecrement(&refs_);\n        if (n == 0) delete this;\n        return n;\n    }\n")
    w("    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override {\n        *n = 0;\n        return S_OK;\n    }\n")
    w("    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }\n")
    w("    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }\n")
    for s in calls:
        w("    HRESULT STDMETHODCALLTYPE %s(%s) override { return E_NOTIMPL; }\n" % (s.method, s.cxx_type()))
    w("\nprotected:\n    static const char* MethodName(DISPID id);\n\nprivate:\n    LONG refs_ = 0;\n};\n\n")
    w("const char* DispatchOnly::MethodName(DISPID id) {\n    switch (id) {\n")
    for s in calls:
        w("    case %d: return \"%s\";\n" % (L.dispid(calls, s), s.method))
    w("    default: return \"?\";\n    }\n}\n\n")
    w("// Answers S_OK to every call and writes nothing: its results are VT_EMPTY.\n")
    w("class EmptyShapes : public DispatchOnly {\npublic:\n")
    w("    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*, UINT*) override {\n")
    w("        if (result) VariantInit(result);\n        return S_OK;\n    }\n};\n\n")
    w("// Fails every call with DISP_E_EXCEPTION and its EXCEPINFO: \"Failing <method>\".\n")
    w("class FailingShapes : public DispatchOnly {\npublic:\n")
    w("    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO* excepInfo,\n")
    w("                                     UINT*) override {\n")
    w("        if (result) VariantInit(result);\n        if (!excepInfo) return MATRIX_E_FAILING;\n")
    w("        std::memset(excepInfo, 0, sizeof *excepInfo);\n        excepInfo->scode = MATRIX_E_FAILING;\n")
    w("        std::string text = std::string(\"Failing \") + MethodName(id);\n")
    w("        std::vector<OLECHAR> wide(text.begin(), text.end());\n")
    w("        excepInfo->bstrDescription = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));\n")
    w("        excepInfo->bstrSource = SysAllocString(L\"FailingShapes\");\n")
    w("        return DISP_E_EXCEPTION;\n    }\n};\n\n")
    w("// Answers every call S_OK, and every result with a value of another type\n")
    w("// than it declares: a token as VT_UNKNOWN where a value belongs, a text\n")
    w("// where an object does (neither converts).\n")
    w("class WrongShapes : public DispatchOnly {\npublic:\n")
    w("    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*, UINT*) override {\n")
    w("        if (!result) return S_OK;\n        VariantInit(result);\n        switch (id) {\n")
    objects = [s for s in calls if s.form.result and isinstance(s.kind, K.Interface) and not s.form.array]
    values = [s for s in calls if s.form.result and s not in objects]
    for s in objects:
        w("        case %d:  // %s\n" % (L.dispid(calls, s), s.method))
    w("            V_VT(result) = VT_BSTR;\n            V_BSTR(result) = SysAllocString(L\"not an object\");\n            break;\n")
    for s in values:
        w("        case %d:  // %s\n" % (L.dispid(calls, s), s.method))
    w("            V_VT(result) = VT_UNKNOWN;\n            V_UNKNOWN(result) = NewToken(8);\n            break;\n")
    w("        default:\n            break;\n        }\n        return S_OK;\n    }\n};\n\n")
    w("IUnknown* MakeShapes() { return static_cast<IShapesDisp*>(new Shapes); }\n")
    w("IUnknown* MakeEmpty() { return new EmptyShapes; }\n")
    w("IUnknown* MakeFailing() { return new FailingShapes; }\n")
    w("IUnknown* MakeWrong() { return new WrongShapes; }\n")
    w("Factory g_shapesFactory(MakeShapes), g_emptyFactory(MakeEmpty), g_failingFactory(MakeFailing), g_wrongFactory(MakeWrong);\n\n")
    w("}  // namespace\n\n")
    w("MATRIX_EXPORT HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID riid, LPVOID* object) {\n")
    w("    if (!object) return E_POINTER;\n    *object = nullptr;\n")
    w("    IClassFactory* factory = nullptr;\n")
    w("    if (IsEqualCLSID(clsid, CLSID_Shapes)) factory = &g_shapesFactory;\n")
    w("    else if (IsEqualCLSID(clsid, CLSID_EmptyShapes)) factory = &g_emptyFactory;\n")
    w("    else if (IsEqualCLSID(clsid, CLSID_FailingShapes)) factory = &g_failingFactory;\n")
    w("    else if (IsEqualCLSID(clsid, CLSID_WrongShapes)) factory = &g_wrongFactory;\n")
    w("    else return CLASS_E_CLASSNOTAVAILABLE;\n")
    w("    return factory->QueryInterface(riid, object);\n}\n\n")
    w("MATRIX_EXPORT HRESULT STDAPICALLTYPE DllCanUnloadNow(void) {\n    return S_FALSE;\n}\n\n")
    w("// References of the server's values (tokens, record informations) not released yet.\n")
    w("MATRIX_EXPORT LONG MatrixOutstandingReferences(void) {\n    return Outstanding();\n}\n")
