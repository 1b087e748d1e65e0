"""Writes the Java programs that run the matrix on the VM.

Each program runs the cells of one or two paths and returns its report
(Cells.report). The programs call the generated classes of the checked-in
bridge: a cell whose generated method differs from what the table expects
is not called but reported as failed with both signatures, so that one
wrong shape fails its cell and the programs still compile.
"""

import os
import re

from . import forms as F
from . import kinds as K
from . import library as L
from . import table as T


# ---------------------------------------------------------------- the generated classes

def _normal(java_type):
    return re.sub(r"\s+\[", "[", java_type.strip())


class Generated:
    """The methods of the generated classes: name -> (result, [parameter types]),
    and the reasons of the methods that are not available."""

    def __init__(self, folder):
        self.classes = {}
        self.refused = {}
        package = os.path.join(folder, *L.PACKAGE.split("."))
        for name in ("IShapesDisp", "IShapesVtbl", "DShapesEvents", "IShapesEvents"):
            path = os.path.join(package, name + ".java")
            text = open(path, encoding="latin-1").read() if os.path.exists(path) else ""
            methods = {}
            for m in re.finditer(r"public (?:native|abstract) ([\w.\[\] ]+?) (\w+)\(([^)]*)\)", text):
                params = [_normal(re.sub(r"\s+\w+$", "", p.strip())) for p in m.group(3).split(",") if p.strip()]
                methods[m.group(2)] = (_normal(m.group(1)), params)
            self.classes[name] = methods
            self.refused[name] = dict(re.findall(r"// (\w+):\n\t\t// Function is not available: ([^\n]*)", text))

    def method(self, class_name, method):
        return self.classes[class_name].get(method)


CLASS_OF_PATH = {"dispatch": "IShapesDisp", "vtable": "IShapesVtbl", "empty": "IShapesDisp",
                 "failing": "IShapesDisp", "wrong": "IShapesDisp", "dispatchEvents": "DShapesEvents",
                 "vtableEvents": "IShapesEvents", "dispatchRefused": "DShapesEvents", "vtableRefused": "IShapesEvents"}


# ---------------------------------------------------------------- expected Java types

def holder(kind):
    return "brivel.out.Tavo%sArray" % kind.holder_word


def holder_element(kind):
    """The element type of the holder's field "array"."""
    word = kind.holder_word
    return {"Record": "brivel.TavoRecord", "Enum": "brivel.TavoEnumeration", "Comobj": "brivel.TavoObject",
            "Variant": "brivel.TavoVariant"}.get(word, kind.java)


def is_bytes(kind, form):
    """A byte behind a pointer: the generator passes a byte[] buffer."""
    return kind in (K.I1, K.UI1) and not form.array and form.stars >= 1


def expected(cell):
    """(result type, [parameter types]) of the cell's Java method."""
    k, f = cell.shape.kind, cell.shape.form
    j = k.java
    if cell.path.event:
        if f is F.RET:
            return "boolean", []
        if f.array:
            return "void", [j + "[]" if f is F.ARR_IN else holder(k)]
        if is_bytes(k, f):
            return "void", ["byte[]"]
        # An IN-only argument is handed over as its value, however passed.
        if not f.writes:
            return "void", [j]
        return "void", [j + "[]" if k.event_back else j]
    if f.array:
        if f is F.ARR_IN:
            return "void", [j + "[]"]
        if f is F.ARR_IN_REF:
            # Arrays of the library's own types by reference always travel in their holder.
            named = isinstance(k, K.Record) or k in (K.TOKEN, K.TOKEN_PTR, K.TONE)
            return "void", [holder(k) if named else j + "[]"]
        if f is F.ARR_RET:
            return (j + "[]" if cell.path is not F.VTABLE else holder(k)), []
        return "void", [holder(k)]
    if f.result:
        return j, []
    if is_bytes(k, f):
        return "void", ["byte[]"]
    if f.writes and not k.kind_word:
        return "void", [j + "[]"]
    return "void", [j]


def show_signature(signature):
    result, params = signature
    return "%s(%s)" % (result, ", ".join(params))


# ---------------------------------------------------------------- values

def lit(kind, value):
    return kind.j_lit(value)


def array_lit(kind, values, element_type=None):
    return "new %s[] { %s }" % (element_type or kind.java, ", ".join(lit(kind, v) for v in values))


def array_eq(kind, expr, values):
    cast = kind.java if isinstance(kind, K.Record) else None
    parts = ["%s != null" % expr, "%s.length == %d" % (expr, len(values))]
    for i, v in enumerate(values):
        element = "((%s) %s[%d])" % (cast, expr, i) if cast else "%s[%d]" % (expr, i)
        parts.append(kind.j_eq(element, v))
    return "(%s)" % " && ".join(parts)


def written(form):
    """The index of the value the callee writes (b for OUT and results, c for IN/OUT)."""
    return 2 if form.inout else 1


def array_values(kind, which):
    a, b, c = kind.array_vals
    return {0: [a, b], 1: [b, c, a], 2: [c]}[which]


def owns(kind):
    return kind.java_object


# ---------------------------------------------------------------- call cells

def call_parts(cell, var):
    """The statements of a call cell (its generated method matches the table):
    (before the call, the call, the checks after it)."""
    k, f, m = cell.shape.kind, cell.shape.form, cell.shape.method
    a = k.values[0]
    out = k.values[written(f)]
    if f.array:
        h = holder(k)
        if f is F.ARR_IN or (f is F.ARR_IN_REF and expected(cell)[1][0].endswith("[]")):
            return [], "%s.%s(%s);" % (var, m, array_lit(k, array_values(k, 0))), []
        if f is F.ARR_RET and cell.path is not F.VTABLE:
            return (["%s[] r = null;" % k.java], "r = c.own(%s.%s());" % (var, m),
                    ["Cells.expect(%s, \"the result\", Check.showArray(r));" % array_eq(k, "r", array_values(k, 1))])
        if f is F.ARR_RET:
            return (["%s r = null;" % h], "r = c.own(%s.%s());" % (var, m),
                    ["Cells.expect(r != null && %s, \"the result\", r == null ? \"null\" : Check.showArray(r.array));"
                     % array_eq(k, "r.array", array_values(k, 1))])
        # An out-only holder still holds the caller's old array: it must not go in.
        initial = array_lit(k, array_values(k, 0), holder_element(k))
        after = []
        if f.writes:
            after.append("Cells.expect(%s, \"the array\", Check.showArray(h.array));"
                         % array_eq(k, "h.array", array_values(k, written(f))))
        return ["%s h = c.own(new %s(%s));" % (h, h, initial)], "%s.%s(h);" % (var, m), after
    if f.result:
        call = "r = %s%s.%s()%s;" % ("c.own(" if owns(k) else "", var, m, ")" if owns(k) else "")
        return (["%s r = %s;" % (k.java, "null" if k.j_blank() == "null" or owns(k) else k.j_blank())], call,
                ["Cells.expect(%s, \"the result\", %s);" % (k.j_eq("r", out), k.j_show("r"))])
    if is_bytes(k, f):
        after = ["Cells.expect(%s, \"the byte\", String.valueOf(h[0]));" % k.j_eq("h[0]", out)] if f.writes else []
        return ["byte[] h = new byte[] { %s };" % lit(k, a)], "%s.%s(h);" % (var, m), after
    if not f.writes:
        return [], "%s.%s(%s);" % (var, m, lit(k, a)), []
    if k.kind_word:
        return (["%s r = %s;" % (k.java, lit(k, a))], "%s.%s(r);" % (var, m),
                ["Cells.expect(%s, \"the record\", %s);" % (k.j_eq("r", out), k.j_show("r"))])
    # An out-only argument's array still holds the caller's old value, which
    # must not reach the callee (a VARIANT's holder is null: the natural call).
    initial = lit(k, a) if f.reads or k is not K.VARIANT else k.j_blank()
    return (["%s[] h = %snew %s[] { %s }%s;" % (k.java, "c.own(" if owns(k) else "", k.java,
                                               initial, ")" if owns(k) else "")],
            "%s.%s(h);" % (var, m),
            ["Cells.expect(%s, \"the value\", %s);" % (k.j_eq("h[0]", out), k.j_show("h[0]"))])


def call_body(cell, var):
    before, call, after = call_parts(cell, var)
    return before + [call] + after


def empty_value(kind):
    """What a result reads as when the server answered S_OK with VT_EMPTY:
    VariantChangeType's conversion of an empty VARIANT, or null."""
    if kind is K.GUID:
        return "\"{00000000-0000-0000-0000-000000000000}\".equals(r)"
    if isinstance(kind, (K.Interface, K.Record)):
        return "r == null"
    return {
        "boolean": "!r", "String": "r != null && r.isEmpty()", "java.util.Date": "Check.date(1899, 12, 30, 0, 0, 0).equals(r)",
        "brivel.TavoVariant": "r != null && r.getVarType() == 0", "matrix.shapes.Tone": "Check.tone(r, 0)",
        "java.awt.Color": "Check.color(r, 0, 0, 0)",
    }.get(kind.java, "r == 0")


PRIMITIVES = ("boolean", "byte", "short", "int", "long", "float", "double")


def empty_body(cell, var):
    """An IDispatch cell against the server that writes nothing: no crash, no
    leak, a result reads as the empty VARIANT converted, an out-only
    argument comes back as its kind's empty value, and any other argument
    the caller holds keeps what it held (a value passed as a Java primitive
    has nothing to come back in)."""
    k, f, m = cell.shape.kind, cell.shape.form, cell.shape.method
    a = k.values[0]
    dispatch = T.Cell(cell.shape, F.DISPATCH)
    before, call, after = call_parts(dispatch, var)
    if f.result and f.array:
        return before + [call, "Cells.expect(r == null, \"the result of an empty answer\", Check.showArray(r));"]
    if f.result:
        return before + [call, "Cells.expect(%s, \"the result of an empty answer\", %s);" % (empty_value(k), k.j_show("r"))]
    kept = "the argument after an empty answer"
    param = expected(dispatch)[1][0]
    if f.array and param.endswith("[]"):
        # The array goes in as it is: it keeps its elements.
        return ["%s arg = %s;" % (param, array_lit(k, array_values(k, 0))), "%s.%s(arg);" % (var, m),
                "Cells.expect(%s, \"%s\", Check.showArray(arg));" % (array_eq(k, "arg", array_values(k, 0)), kept)]
    if f.array:
        check = array_eq(k, "h.array", array_values(k, 0)) if f.reads else "h.array == null"
        return before + [call, "Cells.expect(%s, \"%s\", Check.showArray(h.array));" % (check, kept)]
    if is_bytes(k, f):
        check = k.j_eq("h[0]", a) if f.reads else "h[0] == 0"
        return before + [call, "Cells.expect(%s, \"%s\", String.valueOf(h[0]));" % (check, kept)]
    if not f.writes:
        if param in PRIMITIVES:
            return before + [call]
        return ["%s arg = %s;" % (param, lit(k, a)), "%s.%s(arg);" % (var, m),
                "Cells.expect(%s, \"%s\", %s);" % (k.j_eq("arg", a), kept, k.j_show("arg"))]
    held = "r" if k.kind_word else "h[0]"
    check = k.j_eq(held, a) if f.reads else k.j_is_blank(held)
    return before + [call, "Cells.expect(%s, \"%s\", %s);" % (check, kept, k.j_show(held))]


def failing_body(cell, var):
    """An IDispatch cell against the server that fails: the exception carries
    the server's description, and an IN/OUT argument keeps what it held."""
    k, f, m = cell.shape.kind, cell.shape.form, cell.shape.method
    before, call, after = call_parts(T.Cell(cell.shape, F.DISPATCH), var)
    lines = before + ["try {", "    " + call, "    throw new AssertionError(\"nothing was thrown\");",
                      "} catch (brivel.TavoException x) {",
                      "    Cells.expect(%s.equals(x.getMessage()), \"the exception\", x.getMessage());" % java_string("Failing " + m),
                      "}"]
    if f.reads and f.writes:
        if f.array:
            lines.append("Cells.expect(%s, \"the array after a failure\", Check.showArray(h.array));"
                         % array_eq(k, "h.array", array_values(k, 0)))
        elif is_bytes(k, f):
            lines.append("Cells.expect(%s, \"the byte after a failure\", String.valueOf(h[0]));" % k.j_eq("h[0]", k.values[0]))
        elif k.kind_word:
            lines.append("Cells.expect(%s, \"the record after a failure\", %s);" % (k.j_eq("r", k.values[0]), k.j_show("r")))
        else:
            lines.append("Cells.expect(%s, \"the value after a failure\", %s);" % (k.j_eq("h[0]", k.values[0]), k.j_show("h[0]")))
    return lines


# ---------------------------------------------------------------- event cells

def listener_body(cell, params):
    """The body of the listener method of an event cell: checks what came in
    (complaint), hands back what the table says (when it can)."""
    k, f, m = cell.shape.kind, cell.shape.form, cell.shape.method
    a = k.values[0]
    out = k.values[written(f)]
    lines = ["String why = null;"]
    if f is F.RET:
        lines.append("c.heard(\"%s\", why);" % m)
        lines.append("return true;")
        return lines
    t = params[0]
    if owns(k) or (f.array and k.holder_word in ("Comobj", "Variant")):
        # What came in, as it came: the listener may replace it below.
        if f.array and f is not F.ARR_IN:
            lines.append("c.own(v.array);")
        elif t.endswith("[]"):
            lines.append("c.own(v == null ? null : v.clone());")
        else:
            lines.append("c.own(v);")
    # An out-only argument reaches the listener as the kind's empty value,
    # whatever the caller's argument held (the server fires it poisoned).
    if f.array:
        if f.reads:
            arr = "v" if f is F.ARR_IN else "v.array"
            lines.append("if (!%s) why = \"the array \" + Check.showArray(%s);" % (array_eq(k, arr, array_values(k, 0)), arr))
        elif f.out_only:
            lines.append("if (v == null || v.array != null) why = \"the out-only array \" + (v == null ? \"without a holder\" : Check.showArray(v.array));")
        if f.writes:
            lines.append("v.array = %s;" % array_lit(k, array_values(k, written(f)), holder_element(k)))
            if owns(k):
                lines.append("c.own(v.array);")
    elif t.endswith("[]") and not is_bytes(k, f):
        if f.reads:
            lines.append("if (!(v != null && v.length == 1 && %s)) why = \"the value \" + (v == null ? \"null\" : %s);"
                         % (k.j_eq("v[0]", a), k.j_show("v[0]")))
        elif f.out_only:
            lines.append("if (!(v != null && v.length == 1 && %s)) why = \"the out-only value \" + (v == null ? \"null\" : %s);"
                         % (k.j_is_blank("v[0]"), k.j_show("v[0]")))
        if f.writes and k in (K.UNKNOWN, K.DISPATCH):
            # Any object goes: one whose IUnknown is apart from its IDispatch.
            lines.append("if (v != null && v.length == 1) v[0] = c.loose(%d);" % out)
        elif f.writes:
            lines.append("if (v != null && v.length == 1) v[0] = %s;" % lit(k, out))
    elif is_bytes(k, f):
        if f.reads:
            lines.append("if (!(v != null && v.length >= 1 && %s)) why = \"the bytes \" + (v == null ? \"null\" : String.valueOf(v[0]));"
                         % k.j_eq("v[0]", a))
        elif f.out_only:
            lines.append("if (!(v != null && v.length >= 1 && v[0] == 0)) why = \"the out-only bytes \" + (v == null ? \"null\" : String.valueOf(v[0]));")
        if f.writes:
            lines.append("if (v != null && v.length >= 1) v[0] = %s;" % lit(k, out))
    elif f.reads:
        lines.append("if (!(%s)) why = \"the value \" + %s;" % (k.j_eq("v", a), k.j_show("v")))
    elif f.out_only:
        lines.append("if (!(%s)) why = \"the out-only value \" + %s;" % (k.j_is_blank("v"), k.j_show("v")))
    lines.append("c.heard(\"%s\", why);" % m)
    return lines


# ---------------------------------------------------------------- the programs

HEAD = """// Written by write-matrix from the matrix's table: do not edit.
package matrix.test;

import matrix.shapes.*;

"""


def java_string(text):
    return K.java_string(text)


class Program:
    def __init__(self, name, doc):
        self.name = name
        self.doc = doc
        self.members = []   # static methods (one per cell)
        self.calls = []     # statements of run()

    def text(self, setup, teardown, extra_classes=""):
        out = [HEAD, "/** %s */\n" % self.doc, "public final class %s {\n" % self.name,
               "    private %s() {\n    }\n\n" % self.name]
        out.append(extra_classes)
        out.append("    public static String run() throws Exception {\n")
        out.extend("        %s\n" % s for s in setup)
        out.extend("        %s\n" % s for s in self.calls)
        out.extend("        %s\n" % s for s in teardown)
        out.append("    }\n\n")
        out.extend(self.members)
        out.append("}\n")
        return "".join(out)


def throws_call(cell_name, expectation, body):
    """The call running a cell that must throw: one that throws before any
    COM call says why (its build cannot reach COM with the shape)."""
    if isinstance(expectation, T.ThrowsOnThisBuild):
        return "c.runThrowsOnThisBuild(%s, %s, %s, %s);" % (java_string(cell_name), java_string(expectation.message),
                                                          java_string(expectation.why), body)
    return "c.runThrows(%s, %s, %s);" % (java_string(cell_name), java_string(expectation.message), body)


def cell_method(name, params, cell_name, lines, expectation):
    body = "\n".join("\t\t\t%s" % line for line in lines)
    if isinstance(expectation, T.ThrowsOnThisBuild):
        run = throws_call(cell_name, expectation, "() -> {\n%s\n\t\t}" % body)
    elif isinstance(expectation, T.Throws):
        run = "c.runThrows(%s, %s, () -> {\n%s\n\t\t});" % (java_string(cell_name), java_string(expectation.message), body)
    else:
        run = "c.run(%s, () -> {\n%s\n\t\t});" % (java_string(cell_name), body)
    return "    static void %s(%s) {\n        %s\n    }\n\n" % (name, params, run.replace("\t", "    "))


def add_call_cell(program, cell, generated, var_type, var, cell_expectation):
    """Adds one call cell (dispatch, vtable, empty or failing) to a program."""
    method = generated.method(CLASS_OF_PATH[cell.path.name], cell.shape.method)
    want = expected(cell)
    name = "%s_%s" % (cell.path.name, cell.shape.method)
    if method is None or method != want:
        got = "missing" if method is None else show_signature(method)
        if method is None:
            reason = generated.refused[CLASS_OF_PATH[cell.path.name]].get(cell.shape.method)
            got = "not available (%s)" % reason if reason else "missing"
        program.calls.append("c.mismatch(%s, %s, %s);" % (java_string(cell.name), java_string(got),
                                                         java_string(show_signature(want))))
        return
    if cell.path is F.EMPTY:
        lines = empty_body(cell, var)
    elif cell.path is F.WRONG:
        # The call throws (the cell's expectation): nothing after it runs.
        before, call, after = call_parts(T.Cell(cell.shape, F.DISPATCH), var)
        lines = before + [call]
    elif cell.path is F.FAILING:
        lines = failing_body(cell, var)
    else:
        lines = call_body(cell, var)
    program.members.append(cell_method(name, "Cells c, %s %s" % (var_type, var), cell.name, lines, cell_expectation))
    program.calls.append("%s(c, %s);" % (name, var))


def release_shapes(var):
    return ["%s.getIShapesDisp().TavoRelease();" % var, "%s.getIShapesVtbl().TavoRelease();" % var,
            "%s.getIMatrixControl().TavoRelease();" % var, "%s.TavoRelease();" % var]


def calls_program(name, doc, cells, generated, build):
    """A program of call cells."""
    program = Program(name, doc)
    for cell in cells:
        e = T.expectation(cell, build)
        if isinstance(e, T.Refused):
            continue
        var = {"dispatch": ("IShapesDisp", "s"), "vtable": ("IShapesVtbl", "v"), "empty": ("IShapesDisp", "e"),
               "failing": ("IShapesDisp", "f"), "wrong": ("IShapesDisp", "w")}[cell.path.name]
        add_call_cell(program, cell, generated, var[0], var[1], e)
    setup = ["Shapes shapes = new Shapes();", "Cells c = new Cells(%s, shapes.getIMatrixControl());" % java_string(name),
             "IShapesDisp s = shapes.getIShapesDisp();", "IShapesVtbl v = shapes.getIShapesVtbl();",
             "EmptyShapes empty = new EmptyShapes();", "IShapesDisp e = empty.getIShapesDisp();",
             "FailingShapes failing = new FailingShapes();", "IShapesDisp f = failing.getIShapesDisp();",
             "WrongShapes wrong = new WrongShapes();", "IShapesDisp w = wrong.getIShapesDisp();"]
    teardown = ["e.TavoRelease();", "empty.TavoRelease();", "f.TavoRelease();", "failing.TavoRelease();",
                "w.TavoRelease();", "wrong.TavoRelease();"] + release_shapes("shapes") + ["return c.report();"]
    return program.text(setup, teardown)


def events_program(name, doc, path, refused_path, generated, build):
    """A program of the event cells of one sink, and of the events it refuses."""
    class_name = CLASS_OF_PATH[path.name]
    listener = generated.classes[class_name]
    cells = {c.shape.method: c for c in T.event_cells() if c.path is path}
    program = Program(name, doc)
    methods = []
    for method, signature in sorted(listener.items()):
        result, params = signature
        cell = cells.get(method)
        e = T.expectation(cell, build) if cell else None
        runs = cell is not None and signature == expected(cell) and isinstance(e, (T.Runs, T.Throws))
        decl = ", ".join("%s v" % p for p in params)
        if runs:
            inner = [l for l in listener_body(cell, params) if l != "return true;"]
            body = ["try {"] + ["    " + l for l in inner] + \
                ["} catch (Exception x) {", "    c.heard(\"%s\", x.toString());" % method, "}"] + \
                (["return true;"] if result == "boolean" else [])
        else:
            body = ["c.heard(\"%s\", null);" % method] + (["return true;"] if result == "boolean" else [])
        methods.append("        @Override\n        public %s %s(%s) {\n%s\n        }\n\n"
                       % (result, method, decl, "\n".join("            %s" % b for b in body)))
    vtable = "true" if path is F.VTABLE_EVENTS else "false"
    for method, cell in cells.items():
        e = T.expectation(cell, build)
        if isinstance(e, T.Refused):
            continue
        signature = listener.get(method)
        if signature != expected(cell):
            got = "missing" if signature is None else show_signature(signature)
            program.calls.append("c.mismatch(%s, %s, %s);" % (java_string(cell.name), java_string(got),
                                                             java_string(show_signature(expected(cell)))))
        else:
            fire = "() -> c.fire(%s, %s)" % (java_string(method), vtable)
            if isinstance(e, T.Throws):
                program.calls.append(throws_call(cell.name, e, fire))
            else:
                program.calls.append("c.run(%s, %s);" % (java_string(cell.name), fire))
    # The events the sink refuses: the listener hears only of the refusals.
    for cell in T.refused_cells():
        if cell.path is not refused_path or isinstance(T.expectation(cell, build), T.Refused):
            continue
        program.calls.append("c.run(%s, () -> c.fireRefused(%s, %s, %s));" % (
            java_string(cell.name), java_string(cell.shape.method), vtable, "true" if T.sink_types(cell.shape) else "false"))
    # What the sink reports to the listener is the cell's too.
    methods.append("        @Override\n        public void TavoOnEventError(String event, String error) {\n"
                   "            c.sinkReported(event, error, null);\n        }\n\n"
                   "        @Override\n        public void TavoOnEventException(String event, Throwable thrown) {\n"
                   "            c.sinkReported(event, null, thrown);\n        }\n\n")
    extra = ("    /** The listener: checks what each event brings and hands back what the table says. */\n"
             "    static final class Listener extends matrix.shapes.%s {\n        final Cells c;\n\n"
             "        Listener(Cells c) {\n            this.c = c;\n        }\n\n%s    }\n\n" % (class_name, "".join(methods)))
    setup = ["Shapes shapes = new Shapes();", "Cells c = new Cells(%s, shapes.getIMatrixControl());" % java_string(name),
             "Listener listener = new Listener(c);", "shapes.addTavoEventListener(listener);"]
    teardown = ["shapes.removeTavoEventListener(listener);", "listener.TavoRelease();"] + release_shapes("shapes") + \
        ["return c.report();"]
    return program.text(setup, teardown, extra)


# The programs and the paths of their cells.
PROGRAMS = (
    ("DispatchCalls", "Every shape through IDispatch::Invoke.", (F.DISPATCH,)),
    ("VtableCalls", "Every shape through the virtual table.", (F.VTABLE,)),
    ("DispatchEvents", "Every event shape into the sink of a dispinterface, and the events it refuses.",
     (F.DISPATCH_EVENTS, F.DISPATCH_REFUSED)),
    ("VtableEvents", "Every event shape into the virtual-table sink of a dual event interface, and the events its "
     "IDispatch::Invoke refuses.", (F.VTABLE_EVENTS, F.VTABLE_REFUSED)),
    ("AnswerCalls", "Every IDispatch shape against a server that answers S_OK with nothing written, one that fails, "
     "and one that answers a result of another type.", (F.EMPTY, F.FAILING, F.WRONG)),
)


def write_programs(out_folder, bridge_folder, build):
    generated = Generated(bridge_folder)
    texts = {}
    for name, doc, paths in PROGRAMS:
        if paths[0].event:
            texts[name] = events_program(name, doc, paths[0], paths[1], generated, build)
        elif paths[0] is F.EMPTY:
            texts[name] = calls_program(name, doc, T.answer_cells(build), generated, build)
        else:
            texts[name] = calls_program(name, doc, [c for c in T.call_cells() if c.path is paths[0]], generated, build)
    return texts
