"""The cells of the matrix (every shape on every path) and what each one
must do: run, throw a given exception, or be refused by the generator with a
given text.

A cell is named <path>.<method>, e.g. "vtable.I4Out". Rules are matched in
order; the first rule that matches a cell decides it; a cell no rule matches
runs and must pass.
"""

from dataclasses import dataclass

from . import forms as F
from . import kinds as K
from . import library as L


@dataclass(frozen=True)
class Runs:
    pass


@dataclass(frozen=True)
class Refused:
    text: str       # the "Function is not available" reason


@dataclass(frozen=True)
class Throws:
    # The brivel.TavoException the native throws; for an event, the one the
    # sink hands the listener's TavoOnEventException in place of the value
    # it could not send back (the caller's argument stays as it came).
    message: str


@dataclass(frozen=True)
class ThrowsOnThisBuild(Throws):
    # A cell that throws only because its build lacks what the shape needs
    # (why: the reason, for the reports); it runs on the other build.
    why: str = ""


RUNS = Runs()
BUILDS = ("linux32", "win32")


@dataclass(frozen=True)
class Cell:
    shape: L.Shape
    path: F.Path

    @property
    def name(self):
        return "%s.%s" % (self.path.name, self.shape.method)


@dataclass(frozen=True)
class Rule:
    kinds: frozenset
    forms: frozenset
    paths: frozenset
    expectation: object
    build: str = None   # one of BUILDS: the rule holds on that build only

    def matches(self, cell, build):
        return ((not self.kinds or cell.shape.kind.name in self.kinds)
                and (not self.forms or cell.shape.form.suffix in self.forms)
                and (not self.paths or cell.path.name in self.paths)
                and (self.build is None or self.build == build))


def rule(kinds, forms, paths, expectation, build=None):
    """kinds, forms, paths: blank-separated names ("" for all)."""
    return Rule(frozenset(kinds.split()), frozenset(forms.split()), frozenset(paths.split()), expectation, build)


CALLS = "dispatch vtable"
EVENTS = "dispatchEvents vtableEvents"
SCALARS = "In InRef Out InOut Ret"
POINTERS2 = "InRef2 Out2 InOut2 Ret2"
ARRAYS = "ArrIn ArrInRef ArrOut ArrInOut ArrRet"
NUMBERS = "I1 UI1 I2 UI2 I4 UI4 Int UInt I8 R4 R8 Cy Bool Scode Counter"
RECORDS_WITHOUT_ID = "Pair Couple Filetime"
RECORDS_WITH_ID = "Stamp Span"

NESTED = Refused("Nested pointers are not supported")
UNSUPPORTED = Refused("Unsupported Type")
UNSUPPORTED_ARRAY = Refused("Unsupported Array type")
VIRTUAL_ONLY = Refused("Type is only supported for virtual calls (set preference from top-left menu of builder)")
NO_RECORD = Throws("Record definition not found in type library")

# The stand-in runtime finds a record's IRecordInfo through the registered
# type library, which the linux32 build has not.
NO_LIBRARY = "Record definition not found in type library (COM error 0x8002801D)"
STAND_IN_RECORDS = ThrowsOnThisBuild(NO_LIBRARY, "linux32 has no registered type library: the native finds no IRecordInfo "
                                     "and throws before any COM call")
STAND_IN_EVENT_RECORDS = ThrowsOnThisBuild(NO_LIBRARY, "linux32 has no registered type library: the sink finds no "
                                           "IRecordInfo for the listener's records")
# A result that does not convert to its declared type.
WRONG_RESULT = Throws("COM error 0x80020005")

RULES = [
    # ---- what the selection rules refuse
    rule("UI8", ARRAYS, "", UNSUPPORTED_ARRAY),
    rule("UI8", "", "", UNSUPPORTED),
    # An enumeration goes by value or through one pointer.
    rule("Tone", "InRef2 Out2 InOut2", "", NESTED),
    rule("Tone", "Ret2", "vtable", NESTED),
    rule("Guid Color", ARRAYS, "", UNSUPPORTED_ARRAY),
    rule(NUMBERS + " Bstr Date Guid", "Out2", "", NESTED),
    rule("Token", "Ret2", "dispatch empty failing", RUNS),  # the result is lifted out of the dispatch description
    rule("Token", POINTERS2, "", NESTED),
    rule("Scode", "InRef Out InOut", "", UNSUPPORTED),
    rule("Scode", "In Ret", "vtable", UNSUPPORTED),
    # No VARIANT carries an LPSTR (the platform's own rule): IDispatch refuses
    # it, the result included, and the dual interface's virtual table takes
    # no LPSTR behind a pointer.
    rule("Lpstr", "InRef Out InOut Ret", "vtable dispatch", UNSUPPORTED),
    rule("Lpstr", "Out2", "", NESTED),
    rule("Lpstr Unknown Dispatch", ARRAYS, "", UNSUPPORTED_ARRAY),

    # ---- what a VARIANT cannot carry: a record without an identifier (the
    # platform's own rule: a VARIANT or a SAFEARRAY carries a record with its
    # IRecordInfo, which the platform finds by the record's identifier; an
    # array of them can be received, not sent)
    rule(RECORDS_WITHOUT_ID, SCALARS + " " + POINTERS2, "dispatch", NO_RECORD),
    rule(RECORDS_WITHOUT_ID, "ArrIn ArrInRef ArrOut ArrInOut", "dispatch", NO_RECORD),
    rule(RECORDS_WITHOUT_ID, "ArrIn ArrInRef ArrOut ArrInOut", "vtable", Throws("Unsupported record type")),
    # The same in an event: the listener gets the array, but its array cannot
    # go back to the caller (each sink says so as its call path would).
    rule(RECORDS_WITHOUT_ID, "ArrOut ArrInOut", "dispatchEvents", NO_RECORD),
    rule(RECORDS_WITHOUT_ID, "ArrOut ArrInOut", "vtableEvents", Throws("Unsupported record type")),
    # The stand-in runtime finds a record's IRecordInfo through the registered
    # type library, which the linux32 build has not: what goes to COM fails.
    rule(RECORDS_WITH_ID, "In InRef Out InOut InRef2 Out2 InOut2 ArrIn ArrInRef ArrInOut", CALLS,
         STAND_IN_RECORDS, build="linux32"),
    rule(RECORDS_WITH_ID, "ArrOut ArrInOut", EVENTS, STAND_IN_EVENT_RECORDS, build="linux32"),

    # ---- a result of another type than declared throws as a failed call
    rule("", "Ret Ret2 ArrRet", "wrong", WRONG_RESULT),
]


def expectation(cell, build=None):
    # A refused event runs wherever the generator made its event (the sink
    # refuses it before it converts anything).
    if cell.path in (F.DISPATCH_REFUSED, F.VTABLE_REFUSED):
        event = Cell(cell.shape, F.DISPATCH_EVENTS if cell.path is F.DISPATCH_REFUSED else F.VTABLE_EVENTS)
        e = expectation(event, build)
        return e if isinstance(e, Refused) else RUNS
    for r in RULES:
        if r.matches(cell, build):
            return r.expectation
    return RUNS


def call_cells():
    shapes = L.call_shapes()
    return [Cell(s, p) for p in (F.DISPATCH, F.VTABLE) for s in shapes]


def event_cells():
    shapes = L.event_shapes()
    return [Cell(s, p) for p in (F.DISPATCH_EVENTS, F.VTABLE_EVENTS) for s in shapes]


def answer_shapes(build):
    """The shapes whose IDispatch cell runs on the build (LPSTR shapes of the
    dual interface go through its virtual table)."""
    return [c.shape for c in call_cells()
            if c.path is F.DISPATCH and c.shape.kind is not K.LPSTR and expectation(c, build) == RUNS]


def answer_cells(build):
    """The IDispatch cells that run on the build, against the empty and the
    failing server; those with a result (but a VARIANT, which takes any
    answer) against the server that answers another type."""
    shapes = answer_shapes(build)
    wrong = [s for s in shapes if s.form.result and s.kind is not K.VARIANT]
    return [Cell(s, p) for p in (F.EMPTY, F.FAILING) for s in shapes] + [Cell(s, F.WRONG) for s in wrong]


def sink_types(shape):
    """Whether an IDispatch sink takes the event's argument through a
    conversion to its declared type, refusing one that cannot be had:
    numbers, booleans, strings, dates, currency, enumerations and objects.
    It takes the others as they come: arrays, a byte through a pointer,
    GUIDs, VARIANTs, records and colours."""
    k, f = shape.kind, shape.form
    if f.array or (k in (K.I1, K.UI1) and f.stars >= 1):
        return False
    return not (k in (K.GUID, K.VARIANT, K.COLOR) or isinstance(k, K.Record))


def refused_cells():
    """The event shapes fired into each sink's IDispatch::Invoke without
    their argument, and, where the sink types it, with one of another type
    (an event without arguments cannot go short)."""
    shapes = [s for s in L.event_shapes() if s.form is not F.RET]
    return [Cell(s, p) for p in (F.DISPATCH_REFUSED, F.VTABLE_REFUSED) for s in shapes]


def all_cells(build):
    return call_cells() + event_cells() + answer_cells(build) + refused_cells()


def counts(build):
    """path name -> the number of the build's cells on that path that run
    (all but those the generator refuses)."""
    found = {}
    for cell in all_cells(build):
        if not isinstance(expectation(cell, build), Refused):
            found[cell.path.name] = found.get(cell.path.name, 0) + 1
    return found
