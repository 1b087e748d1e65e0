"""Checks the checked-in bridge against the table: every cell the table
refuses carries its "Function is not available" text, every other cell has
the Java method the table expects."""

from . import java as J
from . import table as T


def problems(bridge_folder):
    generated = J.Generated(bridge_folder)
    found = []
    for cell in T.call_cells() + T.event_cells():
        class_name = J.CLASS_OF_PATH[cell.path.name]
        e = T.expectation(cell)
        method = generated.method(class_name, cell.shape.method)
        reason = generated.refused[class_name].get(cell.shape.method)
        if isinstance(e, T.Refused):
            if method is not None:
                found.append("%s: the table refuses it (\"%s\"), the bridge has %s"
                             % (cell.name, e.text, J.show_signature(method)))
            elif reason != e.text:
                found.append("%s: refused with \"%s\", the table says \"%s\"" % (cell.name, reason, e.text))
            continue
        want = J.expected(cell)
        if method is None:
            why = "refused: \"%s\"" % reason if reason else "missing"
            found.append("%s: %s, the table expects %s" % (cell.name, why, J.show_signature(want)))
        elif method != want:
            found.append("%s: the bridge has %s, the table expects %s"
                         % (cell.name, J.show_signature(method), J.show_signature(want)))
    return found
