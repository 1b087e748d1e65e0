"""The forms a parameter of one base type takes, and the paths a call takes.

A shape is a base type (a kind) in one form: by value, through a pointer,
through a pointer to a pointer, or inside a SAFEARRAY, in each direction.
Every shape is one method of the library, on every path.
"""

from dataclasses import dataclass


@dataclass(frozen=True)
class Form:
    suffix: str        # the method name is <kind><suffix>
    stars: int         # pointers added to the kind's type (0, 1 or 2)
    array: bool        # the type is SAFEARRAY(<kind>)
    attrs: str         # IDL attributes of the parameter
    reads: bool        # the callee reads the value passed in
    writes: bool       # the callee writes a value back
    result: bool       # [out, retval]: the Java method's result

    @property
    def inout(self):
        return self.reads and self.writes

    @property
    def out_only(self):
        return self.writes and not self.reads


IN = Form("In", 0, False, "in", True, False, False)
IN_REF = Form("InRef", 1, False, "in", True, False, False)
OUT = Form("Out", 1, False, "out", False, True, False)
IN_OUT = Form("InOut", 1, False, "in, out", True, True, False)
RET = Form("Ret", 1, False, "out, retval", False, True, True)
IN_REF2 = Form("InRef2", 2, False, "in", True, False, False)
OUT2 = Form("Out2", 2, False, "out", False, True, False)
IN_OUT2 = Form("InOut2", 2, False, "in, out", True, True, False)
RET2 = Form("Ret2", 2, False, "out, retval", False, True, True)
ARR_IN = Form("ArrIn", 0, True, "in", True, False, False)
ARR_IN_REF = Form("ArrInRef", 1, True, "in", True, False, False)
ARR_OUT = Form("ArrOut", 1, True, "out", False, True, False)
ARR_IN_OUT = Form("ArrInOut", 1, True, "in, out", True, True, False)
ARR_RET = Form("ArrRet", 1, True, "out, retval", False, True, True)

SCALAR = (IN, IN_REF, OUT, IN_OUT, RET)
POINTER2 = (IN_REF2, OUT2, IN_OUT2, RET2)
ARRAYS = (ARR_IN, ARR_IN_REF, ARR_OUT, ARR_IN_OUT, ARR_RET)
ALL = SCALAR + POINTER2 + ARRAYS

# Events carry no [out, retval] (but for a boolean answer, below).
EVENT_FORMS = (IN, IN_REF, OUT, IN_OUT, ARR_IN, ARR_OUT, ARR_IN_OUT)


@dataclass(frozen=True)
class Path:
    name: str          # used in cell names: <path>.<method>
    title: str
    event: bool        # the server calls a Java listener


DISPATCH = Path("dispatch", "IDispatch::Invoke calls", False)
VTABLE = Path("vtable", "virtual-table calls", False)
DISPATCH_EVENTS = Path("dispatchEvents", "events of a dispinterface (IDispatch sink)", True)
VTABLE_EVENTS = Path("vtableEvents", "events of a dual interface (virtual-table sink)", True)
# The IDispatch cells again, against a server that answers S_OK and writes
# nothing (VT_EMPTY results), and one that fails every call with its EXCEPINFO.
EMPTY = Path("empty", "IDispatch calls answered S_OK with nothing written", False)
FAILING = Path("failing", "IDispatch calls failed with DISP_E_EXCEPTION", False)
# The IDispatch calls with a result again, against a server that answers
# each with a value of another type (one that does not convert).
WRONG = Path("wrong", "IDispatch results answered with a value of another type", False)
# The events again, fired into each sink's IDispatch::Invoke without their
# argument and with one of another type: the sink refuses them, and the
# listener hears of it through its TavoOnEventError.
DISPATCH_REFUSED = Path("dispatchRefused", "events the IDispatch sink refuses", True)
VTABLE_REFUSED = Path("vtableRefused", "events the dual sink's IDispatch::Invoke refuses", True)
PATHS = (DISPATCH, VTABLE, DISPATCH_EVENTS, VTABLE_EVENTS, EMPTY, FAILING, WRONG, DISPATCH_REFUSED, VTABLE_REFUSED)
