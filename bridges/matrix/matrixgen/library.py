"""The library of the matrix: its identifiers, interfaces and methods.

Every shape (a kind in a form) is one method of IShapesDisp (a dual
interface, called through IDispatch::Invoke), of IShapesVtbl (an interface
derived from IUnknown, called through its virtual table), and, for the event
forms, one event of DShapesEvents (a dispinterface) and of IShapesEvents (a
dual event interface, whose sink has a virtual table).
"""

from dataclasses import dataclass

from . import forms as F
from . import kinds as K

LIBRARY_GUID = "7E2E7000-0000-4000-8000-000000000001"
PACKAGE = "matrix.shapes"
JNI_LIBRARY = "JMatrix"


def guid(n):
    return "7E2E7000-0000-4000-8000-%012X" % n


IIDS = {
    "IToken": guid(0x20),
    "IShapesDisp": guid(0x30),
    "IShapesVtbl": guid(0x31),
    "IMatrixControl": guid(0x32),
    "DShapesEvents": guid(0x40),
    "IShapesEvents": guid(0x41),
    "Tone": guid(0x13),
}
CLSIDS = {
    "Shapes": guid(0x50),
    "EmptyShapes": guid(0x51),
    "FailingShapes": guid(0x52),
    "WrongShapes": guid(0x53),
}


@dataclass(frozen=True)
class Shape:
    kind: K.Kind
    form: F.Form

    @property
    def method(self):
        return self.kind.name + self.form.suffix

    def idl_type(self):
        if self.form.array:
            element = getattr(self.kind, "sa_idl", self.kind.idl)
            return "SAFEARRAY(%s)" % element + "*" * self.form.stars
        return self.kind.idl + "*" * self.form.stars

    def cxx_type(self):
        if self.form.array:
            return "SAFEARRAY" + "*" * (self.form.stars + 1)
        return self.kind.cxx + "*" * self.form.stars


def call_shapes():
    """The shapes of the call interfaces, in method order."""
    return [Shape(k, f) for k in K.KINDS for f in k.forms]


def event_shapes():
    return [Shape(k, f) for k in K.KINDS for f in k.event_forms]


def dispid(shapes, shape):
    return shapes.index(shape) + 1


# The control interface: tokens to pass, the server's last complaint, the
# count of references it handed out, the events it fires on demand, objects
# whose IUnknown is apart from their IDispatch, and events fired with
# arguments the sink must refuse.
CONTROL_METHODS = (
    ("MakeToken", "[in] long id, [out, retval] IToken** token", 10001),
    ("Problem", "[out, retval] BSTR* text", 10002),
    ("Balance", "[out, retval] long* references", 10003),
    ("Fire", "[in] BSTR event, [in] VARIANT_BOOL throughVtable", 10004),
    ("MakeLoose", "[in] long id, [out, retval] IUnknown** loose", 10005),
    ("FireRefused", "[in] BSTR event, [in] VARIANT_BOOL throughVtable", 10006),
)
