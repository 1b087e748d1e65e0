package brivel.c2jtest;

// A date whose time cannot be read.
public class BrokenDate extends java.util.Date {
    @Override
    public long getTime() { throw new IllegalStateException("no time"); }
}
