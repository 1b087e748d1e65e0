"""Writes the matrix's cells for Wine (MatrixWineCells.cpp): the same cells as
the Java programs, calling the natives of the win32 bridge DLL from C++ with
the real __stdcall convention, through the JNI environment of the tests' own
(wine/FakeJava). A cell whose generated method differs from what the table
expects is not called (a wrong signature would unbalance the stack): it is
reported with both signatures."""

import os
import re

from . import forms as F
from . import java as J
from . import kinds as K
from . import library as L
from . import table as T

JNI_TYPES = {"boolean": "jboolean", "byte": "jbyte", "short": "jshort", "int": "jint", "long": "jlong",
             "float": "jfloat", "double": "jdouble", "void": "void"}
ARRAY_LETTERS = {"boolean": "Z", "byte": "B", "short": "S", "int": "I", "long": "J", "float": "F", "double": "D"}
CLASS_PATHS = {"String": "java/lang/String", "java.util.Date": "java/util/Date", "java.awt.Color": "java/awt/Color"}


def jni_type(java_type):
    return JNI_TYPES.get(java_type, "jobject")


def class_path(java_type):
    return CLASS_PATHS.get(java_type, java_type.replace(".", "/"))


def export_names(bridge_folder):
    """(class, method) -> exported base name of every native of the JNI file."""
    text = open(os.path.join(bridge_folder, L.JNI_LIBRARY + ".cpp"), encoding="latin-1").read()
    names = {}
    for m in re.finditer(r'extern "C" JNIEXPORT \S+ JNICALL (Java_matrix_shapes_([A-Za-z0-9]+)_(\w+?)(?:__\w*)?)\n', text):
        names[(m.group(2), m.group(3))] = m.group(1)
    return names


def stack_bytes(params):
    return 8 + sum(8 if p in ("long", "double") else 4 for p in params)


def u16(text):
    out = []
    for ch in text:
        if ch in '"\\':
            out.append("\\" + ch)
        elif ord(ch) < 128:
            out.append(ch)
        else:
            out.append("\\u%04x" % ord(ch))
    return 'u"%s"' % "".join(out)


# ---------------------------------------------------------------- values

def lit(k, v):
    """A C++ expression making the Java value of the kind."""
    if isinstance(k, K.Numeric):
        t = jni_type(k.java)
        if k.java == "boolean":
            return "(jboolean) %d" % (1 if v else 0)
        if k.java == "float":
            return "(jfloat) %rf" % v
        if k.java == "double":
            return "(jdouble) %r" % v
        if k.java == "long":
            return "(jlong) %dLL" % v
        if k.java == "int" and v > 0x7FFFFFFF:
            return "(jint) %dLL" % v
        return "(%s) (%d)" % (t, v)
    if isinstance(k, (K.Bstr, K.Lpstr, K.Guid)):
        return "c.J.String(%s)" % u16(v)
    if k is K.DATE:
        return "c.J.Date(%d, %d, %d, %d, %d, %d)" % v
    if k is K.VARIANT:
        return "c.Variant(%s)" % (u16(v) if isinstance(v, str) else "(LONG) %d" % v)
    if isinstance(k, K.Interface):
        return "c.Token(%d)" % v
    if k is K.TONE:
        return 'c.J.Enum("matrix/shapes/Tone", %d)' % K.TONE.number(v)
    if isinstance(k, K.Record):
        return 'c.Record("%s", {%s})' % (class_path(k.java), ", ".join(
            '{"%s", %d}' % (f[2], x) for f, x in zip(k.fields, v)))
    if k is K.COLOR:
        return "c.J.Color(%d, %d, %d)" % v
    raise ValueError(k.name)


def eq(k, expr, v):
    """A C++ test that the Java value is v."""
    if isinstance(k, K.Numeric):
        return "(%s) == %s" % (expr, lit(k, v))
    if isinstance(k, K.Guid):
        return "c.J.TextIsNoCase(%s, %s)" % (expr, u16(v))
    if isinstance(k, (K.Bstr, K.Lpstr)):
        return "c.J.TextIs(%s, %s)" % (expr, u16(v))
    if k is K.DATE:
        return "c.J.DateIs(%s, %d, %d, %d, %d, %d, %d)" % ((expr,) + v)
    if k is K.VARIANT:
        if isinstance(v, tuple):
            return "c.VariantIsType(%s, VT_DISPATCH)" % expr
        return "c.VariantIs(%s, %s)" % (expr, u16(v) if isinstance(v, str) else "(LONG) %d" % v)
    if isinstance(k, K.Interface):
        return "c.IsToken(%s, %d)" % (expr, v)
    if k is K.TONE:
        return "c.J.EnumIs(%s, %d)" % (expr, K.TONE.number(v))
    if isinstance(k, K.Record):
        parts = ["(%s) != nullptr" % expr]
        for f, x in zip(k.fields, v):
            getter = "ShortField" if f[3] == "short" else "IntField"
            parts.append("c.J.%s(%s, \"%s\") == %d" % (getter, expr, f[2], x))
        return "(%s)" % " && ".join(parts)
    if k is K.COLOR:
        return "c.J.ColorIs(%s, %d, %d, %d)" % ((expr,) + v)
    raise ValueError(k.name)


def is_blank(k, expr):
    """A C++ test that the Java value is the kind's empty value (what an
    out-only argument reaches the listener as)."""
    if isinstance(k, K.Numeric):
        return "(%s) == 0" % expr
    if k is K.GUID:
        return 'c.J.TextIs(%s, u"{00000000-0000-0000-0000-000000000000}")' % expr
    if k is K.DATE:
        return "c.J.DateIs(%s, 1899, 12, 30, 0, 0, 0)" % expr
    if k is K.VARIANT:
        return "c.VariantIsType(%s, VT_EMPTY)" % expr
    if k is K.TONE:
        return "c.J.EnumIs(%s, 0)" % expr
    if isinstance(k, K.Record):
        parts = ["(%s) != nullptr" % expr]
        for f in k.fields:
            parts.append("c.J.%s(%s, \"%s\") == 0" % ("ShortField" if f[3] == "short" else "IntField", expr, f[2]))
        return "(%s)" % " && ".join(parts)
    if k is K.COLOR:
        return "c.J.ColorIs(%s, 0, 0, 0)" % expr
    return "(%s) == nullptr" % expr


def blank(k):
    """The element an out-only one-element array starts with."""
    if isinstance(k, K.Numeric):
        return lit(k, 0) if k.java != "boolean" else "(jboolean) 0"
    return "nullptr"


def array_type(k):
    """(letter, C type) of a primitive array of the kind, or None for objects."""
    if isinstance(k, K.Numeric):
        return ARRAY_LETTERS[k.java], jni_type(k.java)
    return None


def element_class(k, in_holder=False):
    if in_holder:
        return class_path(J.holder_element(k))
    return class_path(k.java)


def array_lit(k, values, in_holder=False):
    prim = array_type(k)
    if prim:
        return "c.J.Array<%s>('%s', {%s})" % (prim[1], prim[0], ", ".join(lit(k, v) for v in values))
    return 'c.J.ObjectArray("%s", {%s})' % (element_class(k, in_holder), ", ".join(lit(k, v) for v in values))


def element(k, array, i):
    prim = array_type(k)
    if prim:
        return "c.J.At<%s>(%s, %d)" % (prim[1], array, i)
    return "c.J.ObjectAt(%s, %d)" % (array, i)


def array_eq(k, array, values):
    parts = ["(%s) != nullptr" % array, "c.J.Length(%s) == %d" % (array, len(values))]
    parts += [eq(k, element(k, array, i), v) for i, v in enumerate(values)]
    return "(%s)" % " && ".join(parts)


def one(k, array):
    """Element 0 of a one-element array of the kind."""
    return element(k, array, 0)


# ---------------------------------------------------------------- call cells

def native_call(cell, names, this):
    """The lines that resolve the cell's native, and the call expression for
    one argument expression (or none)."""
    class_name = J.CLASS_OF_PATH[cell.path.name]
    result, params = J.expected(cell)
    base = names[(class_name, cell.shape.method)]
    pointer = "%s (JNICALL*)(JNIEnv*, jobject%s)" % (jni_type(result), "".join(", " + jni_type(p) for p in params))
    resolve = "auto native = c.Native<%s>(\"%s@%d\");" % (pointer, base, stack_bytes(params))
    # Called as the VM calls a native: in a frame of local references.
    return resolve, (lambda arg=None: "c.Call(native, c.env, %s%s)" % (this, ", " + arg if arg else ""))


def call_parts(cell, names, this):
    """(before, call, after) of a call cell, as C++ statements."""
    k, f = cell.shape.kind, cell.shape.form
    a = k.values[0]
    out = k.values[J.written(f)]
    resolve, call = native_call(cell, names, this)
    before = [resolve]
    result, params = J.expected(cell)
    if f.array:
        holder = J.holder(k).replace(".", "/")
        if params and params[0].endswith("[]"):
            return before, call(array_lit(k, J.array_values(k, 0))) + ";", []
        if f is F.ARR_RET and result.endswith("[]"):
            return (before + ["jobject r = nullptr;"], "r = c.Own(%s);" % call(),
                    ["c.Expect(%s, \"the result\", c.Show(r));" % array_eq(k, "r", J.array_values(k, 1))])
        if f is F.ARR_RET:
            return (before + ["jobject r = nullptr;"], "r = c.Own(%s);" % call(),
                    ["c.Expect(r != nullptr && %s, \"the result\", c.Show(r ? c.J.ObjectField(r, \"array\") : nullptr));"
                     % array_eq(k, 'c.J.ObjectField(r, "array")', J.array_values(k, 1))])
        after = []
        if f.writes:
            after.append("c.Expect(%s, \"the array\", c.Show(c.J.ObjectField(h, \"array\")));"
                         % array_eq(k, 'c.J.ObjectField(h, "array")', J.array_values(k, J.written(f))))
        before.append("jobject h = c.Own(c.Holder(\"%s\", %s));" % (holder, array_lit(k, J.array_values(k, 0), True)))
        return before, call("h") + ";", after
    if f.result:
        t = jni_type(result)
        return (before + ["%s r = %s;" % (t, "0" if t != "jobject" else "nullptr")],
                ("r = c.Own(%s);" if J.owns(k) else "r = %s;") % call(),
                ["c.Expect(%s, \"the result\", c.Show(r));" % eq(k, "r", out)])
    if J.is_bytes(k, f):
        after = ["c.Expect(%s, \"the byte\", c.Show(c.J.At<jbyte>(h, 0)));" % eq(k, "c.J.At<jbyte>(h, 0)", out)] \
            if f.writes else []
        return before + ["jobject h = c.J.Array<jbyte>('B', {%s});" % lit(k, a)], call("h") + ";", after
    if not f.writes:
        return before, call(lit(k, a)) + ";", []
    if k.kind_word:
        return (before + ["jobject r = %s;" % lit(k, a)], call("r") + ";",
                ["c.Expect(%s, \"the record\", c.Show(r));" % eq(k, "r", out)])
    initial = lit(k, a) if f.reads or k is not K.VARIANT else blank(k)
    prim = array_type(k)
    if prim:
        make = "c.J.Array<%s>('%s', {%s})" % (prim[1], prim[0], initial)
    else:
        make = 'c.J.ObjectArray("%s", {%s})' % (element_class(k), initial)
    if J.owns(k):
        make = "c.Own(%s)" % make
    return (before + ["jobject h = %s;" % make], call("h") + ";",
            ["c.Expect(%s, \"the value\", c.Show(%s));" % (eq(k, one(k, "h"), out), one(k, "h"))])


def empty_value(k):
    if k is K.GUID:
        return 'c.J.TextIs(r, u"{00000000-0000-0000-0000-000000000000}")'
    if isinstance(k, (K.Interface, K.Record)):
        return "r == nullptr"
    if isinstance(k, K.Numeric):
        return "r == 0"
    return {"String": 'c.J.TextIs(r, u"")', "java.util.Date": "c.J.DateIs(r, 1899, 12, 30, 0, 0, 0)",
            "brivel.TavoVariant": "c.VariantIsType(r, VT_EMPTY)", "matrix.shapes.Tone": "c.J.EnumIs(r, 0)",
            "java.awt.Color": "c.J.ColorIs(r, 0, 0, 0)"}[k.java]


def empty_answer(cell, names, this):
    """An IDispatch cell against the server that writes nothing: a result
    reads as the empty VARIANT converted, an out-only argument comes back as
    its kind's empty value, and any other argument the caller holds keeps
    what it held (a value passed as a Java primitive has nothing to come
    back in), as the VM's programs check it (java.empty_body)."""
    k, f = cell.shape.kind, cell.shape.form
    a = k.values[0]
    dispatch = T.Cell(cell.shape, F.DISPATCH)
    before, call, after = call_parts(dispatch, names, this)
    result, params = J.expected(dispatch)
    kept = "the argument after an empty answer"
    if f.result and f.array:
        return before + [call, "c.Expect(r == nullptr, \"the result of an empty answer\", c.Show(r));"]
    if f.result:
        return before + [call, "c.Expect(%s, \"the result of an empty answer\", c.Show(r));" % empty_value(k)]
    param = params[0]
    if f.array and param.endswith("[]"):
        resolve, make_call = native_call(dispatch, names, this)
        return [resolve, "jobject arg = %s;" % array_lit(k, J.array_values(k, 0)), make_call("arg") + ";",
                "c.Expect(%s, \"%s\", c.Show(arg));" % (array_eq(k, "arg", J.array_values(k, 0)), kept)]
    if f.array:
        held = 'c.J.ObjectField(h, "array")'
        check = array_eq(k, held, J.array_values(k, 0)) if f.reads else "%s == nullptr" % held
        return before + [call, "c.Expect(%s, \"%s\", c.Show(%s));" % (check, kept, held)]
    if J.is_bytes(k, f):
        held = "c.J.At<jbyte>(h, 0)"
        check = eq(k, held, a) if f.reads else "%s == 0" % held
        return before + [call, "c.Expect(%s, \"%s\", c.Show(%s));" % (check, kept, held)]
    if not f.writes:
        if param in J.PRIMITIVES:
            return before + [call]
        resolve, make_call = native_call(dispatch, names, this)
        return [resolve, "jobject arg = %s;" % lit(k, a), make_call("arg") + ";",
                "c.Expect(%s, \"%s\", c.Show(arg));" % (eq(k, "arg", a), kept)]
    held = "r" if k.kind_word else one(k, "h")
    check = eq(k, held, a) if f.reads else is_blank(k, held)
    return before + [call, "c.Expect(%s, \"%s\", c.Show(%s));" % (check, kept, held)]


def cell_body(cell, names):
    k, f = cell.shape.kind, cell.shape.form
    this = {"dispatch": "c.Disp()", "vtable": "c.Vtbl()", "empty": "c.Empty()", "failing": "c.Failing()",
            "wrong": "c.Wrong()"}[cell.path.name]
    as_dispatch = T.Cell(cell.shape, F.DISPATCH) if cell.path in (F.EMPTY, F.FAILING, F.WRONG) else cell
    before, call, after = call_parts(as_dispatch, names, this)
    lines = before + [call]
    if cell.path is F.WRONG:
        # The call throws (the runner checks the exception): nothing after
        # it, and the result is not defined.
        lines = [line for line in lines if not re.match(r"\w+ r = ", line)]
        return [line[len("r = "):] if line.startswith("r = ") else line for line in lines]

    if cell.path is F.EMPTY:
        return empty_answer(cell, names, this)
    if cell.path is F.FAILING:
        # The exception is checked by the runner, the result is not defined;
        # an IN/OUT argument keeps its value.
        if f.result:
            lines = [line for line in lines if not re.match(r"\w+ r = ", line)]
            lines = [line[len("r = "):] if line.startswith("r = ") else line for line in lines]
        if f.reads and f.writes:
            if f.array:
                lines.append("c.Expect(%s, \"the array after a failure\", c.Show(c.J.ObjectField(h, \"array\")));"
                             % array_eq(k, 'c.J.ObjectField(h, "array")', J.array_values(k, 0)))
            elif J.is_bytes(k, f):
                lines.append("c.Expect(%s, \"the byte after a failure\", c.Show(c.J.At<jbyte>(h, 0)));"
                             % eq(k, "c.J.At<jbyte>(h, 0)", k.values[0]))
            elif k.kind_word:
                lines.append("c.Expect(%s, \"the record after a failure\", c.Show(r));" % eq(k, "r", k.values[0]))
            else:
                lines.append("c.Expect(%s, \"the value after a failure\", c.Show(%s));"
                             % (eq(k, one(k, "h"), k.values[0]), one(k, "h")))
        return lines
    if after:
        lines.append("if (c.Threw()) return;")
    return lines + after


# ---------------------------------------------------------------- event cells

def read_arg(java_type):
    t = jni_type(java_type)
    if t in ("jint", "jshort", "jbyte", "jboolean"):
        return "(%s) a.Int()" % t
    if t == "jlong":
        return "a.Long()"
    if t in ("jfloat", "jdouble"):
        return "(%s) a.Double()" % t
    return "a.Object()"


def listener_body(cell, params):
    """The handler of an event cell: checks what came in, hands back what the
    table says (when the listener can)."""
    k, f, m = cell.shape.kind, cell.shape.form, cell.shape.method
    a = k.values[0]
    out = k.values[J.written(f)]
    lines = ["std::string why;"]
    if f is F.RET:
        return lines + ['c.Heard("%s", why);' % m, "jvalue answer{};", "answer.z = JNI_TRUE;", "return answer;"]
    t = params[0]
    lines.insert(0, "%s v = %s;" % (jni_type(t), read_arg(t)))
    # What came in is the listener's to release, as the VM's listener owns
    # it (a one-element array's element: the listener may replace it).
    if J.owns(k) or (f.array and k.holder_word in ("Comobj", "Variant")):
        if f.array and f is not F.ARR_IN:
            lines.append('c.Own(c.J.ObjectField(v, "array"));')
        elif t.endswith("[]") and not f.array:
            lines.append("if (v != nullptr) c.Own(c.J.ObjectAt(v, 0));")
        else:
            lines.append("c.Own(v);")
    # An out-only argument reaches the listener as the kind's empty value,
    # whatever the caller's argument held (the server fires it poisoned).
    if f.array:
        arr = "v" if f is F.ARR_IN else 'c.J.ObjectField(v, "array")'
        if f.reads:
            lines.append("if (!%s) why = \"the array \" + c.Show(%s);" % (array_eq(k, arr, J.array_values(k, 0)), arr))
        elif f.out_only:
            lines.append("if (v == nullptr || %s != nullptr) why = \"the out-only array \" + c.Show(v ? %s : nullptr);"
                         % (arr, arr))
        if f.writes:
            lines.append("c.J.SetObjectField(v, \"array\", %s);" % array_lit(k, J.array_values(k, J.written(f)), True))
    elif t.endswith("[]") and not J.is_bytes(k, f):
        if f.reads:
            lines.append("if (!(v != nullptr && c.J.Length(v) == 1 && %s)) why = \"the value \" + c.Show(%s);"
                         % (eq(k, one(k, "v"), a), one(k, "v") if array_type(k) else "c.J.ObjectAt(v, 0)"))
        elif f.out_only:
            lines.append("if (!(v != nullptr && c.J.Length(v) == 1 && %s)) why = \"the out-only value \" + c.Show(%s);"
                         % (is_blank(k, one(k, "v")), one(k, "v") if array_type(k) else "c.J.ObjectAt(v, 0)"))
        if f.writes:
            prim = array_type(k)
            if prim:
                lines.append("if (v != nullptr) c.J.Put<%s>(v, 0, %s);" % (prim[1], lit(k, out)))
            elif k in (K.UNKNOWN, K.DISPATCH):
                # Any object goes: one whose IUnknown is apart from its IDispatch.
                lines.append("if (v != nullptr) c.J.PutObject(v, 0, c.Loose(%d));" % out)
            else:
                lines.append("if (v != nullptr) c.J.PutObject(v, 0, %s);" % lit(k, out))
    elif J.is_bytes(k, f):
        if f.reads:
            lines.append("if (!(v != nullptr && %s)) why = \"the bytes \" + c.Show(v);" % eq(k, "c.J.At<jbyte>(v, 0)", a))
        elif f.out_only:
            lines.append("if (!(v != nullptr && c.J.At<jbyte>(v, 0) == 0)) why = \"the out-only bytes \" + c.Show(v);")
        if f.writes:
            lines.append("if (v != nullptr) c.J.Put<jbyte>(v, 0, %s);" % lit(k, out))
    elif f.reads:
        lines.append("if (!(%s)) why = \"the value \" + c.Show(v);" % eq(k, "v", a))
    else:
        # An out value the listener takes by value: it cannot hand one back.
        lines.append("if (!(%s)) why = \"the out-only value \" + c.Show(v);" % is_blank(k, "v"))
    return lines + ['c.Heard("%s", why);' % m, "return jvalue{};"]


def descriptor(java_type):
    """The JNI descriptor of a Java type ("int[]" -> "[I")."""
    if java_type.endswith("[]"):
        return "[" + descriptor(java_type[:-2])
    letters = {"boolean": "Z", "byte": "B", "short": "S", "int": "I", "long": "J", "float": "F", "double": "D",
               "void": "V"}
    return letters.get(java_type) or "L%s;" % class_path(java_type)


def listener_methods():
    """(listener class, method, JNI signature, whether the sink makes a Java
    array for its argument) of every event the table expects a listener
    method for (an out-only array's holder comes without one)."""
    rows = []
    for cell in T.event_cells():
        if isinstance(T.expectation(cell, "win32"), T.Refused):
            continue
        result, params = J.expected(cell)
        makes_array = any(p.endswith("[]") or (p.startswith("brivel.out.") and cell.shape.form is not F.ARR_OUT)
                          for p in params)
        rows.append(("matrix/shapes/" + J.CLASS_OF_PATH[cell.path.name], cell.shape.method,
                     "(%s)%s" % ("".join(descriptor(p) for p in params), descriptor(result)), makes_array))
    return rows


def refused_body(cell):
    """Fires the event into the sink's IDispatch::Invoke without its
    argument and, where the sink types it, with one of another type."""
    return ["c.FireRefused(%s, %s, %s);" % (u16(cell.shape.method), "true" if cell.path is F.VTABLE_REFUSED else "false",
                                             "true" if T.sink_types(cell.shape) else "false")]


def event_body(cell, params):
    m = cell.shape.method
    handler = "\n".join("        %s" % line for line in listener_body(cell, params))
    return ['c.J.OnCall("%s", [&c](jobject, fakejava::Args& a) -> jvalue {' % m, handler.rstrip(), "    (void) a;", "});",
            "c.Fire(%s, %s);" % (u16(m), "true" if cell.path is F.VTABLE_EVENTS else "false")]


# ---------------------------------------------------------------- the file

def write(out, bridge_folder, build="win32"):
    generated = J.Generated(bridge_folder)
    names = export_names(bridge_folder)
    w = out.write
    w("// The matrix's cells for Wine, written by write-matrix from its table: do not edit.\n")
    w('#include "WineCells.h"\n\nnamespace matrixwine {\nnamespace {\n\n')
    rows = []
    cells = T.all_cells(build)
    for cell in cells:
        e = T.expectation(cell, build)
        if isinstance(e, T.Refused):
            continue
        class_name = J.CLASS_OF_PATH[cell.path.name]
        method = generated.method(class_name, cell.shape.method)
        want = J.expected(cell)
        if cell.path.event and method is not None and cell.shape.form is not F.RET:
            method = (method[0], method[1])
        function = "%s_%s" % (cell.path.name, cell.shape.method)
        mismatch = None
        if method != want:
            reason = generated.refused[class_name].get(cell.shape.method)
            got = J.show_signature(method) if method else ("not available (%s)" % reason if reason else "missing")
            mismatch = "%s, the table expects %s" % (got, J.show_signature(want))
        elif not cell.path.event and (class_name, cell.shape.method) not in names:
            mismatch = "%s without a native, the table expects one" % J.show_signature(method)
        if mismatch is None:
            if cell.path in (F.DISPATCH_REFUSED, F.VTABLE_REFUSED):
                body = refused_body(cell)
            elif cell.path.event:
                body = event_body(cell, want[1])
            else:
                body = cell_body(cell, names)
            w("void %s(Cells& c) {\n%s\n}\n\n" % (function, "\n".join("    " + line for line in body)))
        kind = "Expect::Throws" if isinstance(e, T.Throws) else "Expect::Runs"
        rows.append('    {"%s", "%s", %s, %s, %s, %s},\n' % (
            cell.name, cell.path.name, "nullptr" if mismatch else function, kind,
            '"%s"' % e.message if isinstance(e, T.Throws) else "nullptr",
            K.java_string(mismatch) if mismatch else "nullptr"))
    w("}  // namespace\n\nconst Cell kCells[] = {\n")
    w("".join(rows))
    w("};\n\nconst int kCellCount = %d;\n\n" % len(rows))
    methods = listener_methods()
    w("// The listener methods the generated listener classes declare, as the table expects them.\n")
    w("const ListenerMethod kListenerMethods[] = {\n")
    for cls, name, signature, makes_array in methods:
        w('    {"%s", "%s", "%s", %s},\n' % (cls, name, signature, "true" if makes_array else "false"))
    w("};\n\nconst int kListenerMethodCount = %d;\n\n}  // namespace matrixwine\n" % len(methods))
