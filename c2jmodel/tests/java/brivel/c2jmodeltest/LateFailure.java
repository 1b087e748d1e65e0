package brivel.c2jmodeltest;

// Supported members come before one whose type has no mapping.
public class LateFailure {
    public LateFailure() {}
    public int fine;
    public long[] longs;
}
