package brivel.c2jmodelawkward;

// A field whose name code page 1252 cannot hold (alpha).
public class GreekField {
    public int \u03b1lpha;
}
