package brivel.c2jmodelawkward;

import brivel.c2jmodelgone.Gone;

// A constructor takes a class that is not on the class path: the VM cannot
// list the constructors.
public class Vanishing {
    public Vanishing() {}
    public Vanishing(Gone gone) {}
    public int size() { return 0; }
}
