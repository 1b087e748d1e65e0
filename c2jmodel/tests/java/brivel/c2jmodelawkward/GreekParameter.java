package brivel.c2jmodelawkward;

// A method whose parameter's class has a name code page 1252 cannot hold
// (capital omega).
public class GreekParameter {
    public void take(\u03a9 omega) {}
}

class \u03a9 {
}
