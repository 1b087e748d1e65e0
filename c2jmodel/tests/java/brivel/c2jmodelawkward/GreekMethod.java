package brivel.c2jmodelawkward;

// A method whose name code page 1252 cannot hold (omega).
public class GreekMethod {
    public int \u03c9mega() { return 1; }
}
