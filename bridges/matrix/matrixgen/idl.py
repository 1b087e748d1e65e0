"""Writes the matrix's type library source (compiled by widl)."""

from . import forms as F
from . import kinds as K
from . import library as L


def param(shape, name="v"):
    return "[%s] %s %s" % (shape.form.attrs, shape.idl_type(), name)


def write(out):
    calls = L.call_shapes()
    events = L.event_shapes()
    w = out.write
    w("// The shape matrix's library, written by write-matrix from its table: do not edit.\n")
    w('import "oaidl.idl";\n')
    w('import "StdoleTypes.idl";\n\n')
    w('[uuid(%s), version(1.0), helpstring("The shape matrix")]\n' % L.LIBRARY_GUID)
    w("library MatrixLib\n{\n")
    w('    importlib("stdole2.tlb");\n\n')
    w("    interface IToken;\n")
    w("    // SAFEARRAY(IToken*) as real libraries write it (widl takes no pointer there).\n")
    w("    typedef IToken* TokenPtr;\n")
    w("    typedef IUnknown* UnknownPtr;\n")
    w("    typedef IDispatch* DispatchPtr;\n")
    w("    typedef [public] long Counter;\n")
    w("    typedef [uuid(%s)] enum Tone { %s } Tone;\n" % (
        L.IIDS["Tone"], ", ".join("%s = %d" % m for m in K.TONE.members)))
    w("    typedef struct Pair { %s } Pair;\n" % " ".join("%s %s;" % (f[1], f[2]) for f in K.PAIR_FIELDS))
    w("    typedef [public] Pair Couple;\n")
    w("    typedef [uuid(%s)] struct Stamp { %s } Stamp;\n" % (
        K.STAMP.guid, " ".join("%s %s;" % (f[1], f[2]) for f in K.STAMP_FIELDS)))
    w("    // An alias carrying the identifier of its struct, the struct first (the order of MIDL's libraries).\n")
    w("    typedef struct tagSpan { %s } tagSpan;\n" % " ".join("%s %s;" % (f[1], f[2]) for f in K.SPAN_FIELDS))
    w("    typedef [uuid(%s)] tagSpan Span;\n\n" % K.SPAN.guid)

    w('    [uuid(%s), dual, oleautomation, helpstring("A token the server hands out and recognises")]\n' % L.IIDS["IToken"])
    w("    interface IToken : IDispatch {\n")
    w("        [id(1), propget] HRESULT Id([out, retval] long* value);\n")
    w("    };\n\n")

    w('    [uuid(%s), dual, helpstring("Every shape through IDispatch::Invoke")]\n' % L.IIDS["IShapesDisp"])
    w("    interface IShapesDisp : IDispatch {\n")
    for s in calls:
        w("        [id(%d)] HRESULT %s(%s);\n" % (L.dispid(calls, s), s.method, param(s)))
    w("    };\n\n")

    w('    [uuid(%s), helpstring("Every shape through the virtual table")]\n' % L.IIDS["IShapesVtbl"])
    w("    interface IShapesVtbl : IUnknown {\n")
    for s in calls:
        w("        HRESULT %s(%s);\n" % (s.method, param(s)))
    w("    };\n\n")

    w('    [uuid(%s), dual, oleautomation, helpstring("What the tests ask the server")]\n' % L.IIDS["IMatrixControl"])
    w("    interface IMatrixControl : IDispatch {\n")
    for name, params, number in L.CONTROL_METHODS:
        w("        [id(%d)] HRESULT %s(%s);\n" % (number, name, params))
    w("    };\n\n")

    w('    [uuid(%s), helpstring("Every event shape through IDispatch")]\n' % L.IIDS["DShapesEvents"])
    w("    dispinterface DShapesEvents {\n        properties:\n        methods:\n")
    for s in events:
        if s.form is F.RET:
            w("        [id(%d)] %s %s();\n" % (L.dispid(events, s), s.kind.idl, s.method))
        else:
            w("        [id(%d)] void %s(%s);\n" % (L.dispid(events, s), s.method, param(s)))
    w("    };\n\n")

    w('    [uuid(%s), dual, helpstring("Every event shape through a virtual table")]\n' % L.IIDS["IShapesEvents"])
    w("    interface IShapesEvents : IDispatch {\n")
    for s in events:
        w("        [id(%d)] HRESULT %s(%s);\n" % (L.dispid(events, s), s.method, param(s)))
    w("    };\n\n")

    w('    [uuid(%s), helpstring("The shapes server")]\n' % L.CLSIDS["Shapes"])
    w("    coclass Shapes {\n")
    w("        [default] interface IShapesDisp;\n")
    w("        interface IShapesVtbl;\n")
    w("        interface IMatrixControl;\n")
    w("        [default, source] dispinterface DShapesEvents;\n")
    w("        [source] interface IShapesEvents;\n")
    w("    };\n\n")
    w('    [uuid(%s), helpstring("A server that answers S_OK and writes nothing")]\n' % L.CLSIDS["EmptyShapes"])
    w("    coclass EmptyShapes { [default] interface IShapesDisp; };\n\n")
    w('    [uuid(%s), helpstring("A server that fails every call with its EXCEPINFO")]\n' % L.CLSIDS["FailingShapes"])
    w("    coclass FailingShapes { [default] interface IShapesDisp; };\n\n")
    w('    [uuid(%s), helpstring("A server that answers every result with a value of another type")]\n' % L.CLSIDS["WrongShapes"])
    w("    coclass WrongShapes { [default] interface IShapesDisp; };\n")
    w("};\n")
