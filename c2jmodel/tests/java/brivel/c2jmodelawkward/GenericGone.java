package brivel.c2jmodelawkward;

import brivel.c2jmodelgone.Gone;
import java.util.List;

// Members whose generic types name a class that is not on the class path:
// their plain types are fine, their generic forms raise.
public class GenericGone {
    public List<Gone> list;
    public GenericGone(List<Gone> in) {}
    public List<Gone> items(List<Gone> in) { return in; }
}
