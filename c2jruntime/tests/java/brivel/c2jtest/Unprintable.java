package brivel.c2jtest;

import java.io.PrintWriter;

// An exception whose stack trace cannot be printed.
public class Unprintable extends RuntimeException {
    public Unprintable() { super("cannot be printed"); }

    @Override
    public void printStackTrace(PrintWriter writer) {
        throw new IllegalStateException("printing refused");
    }

    public static int raise() { throw new Unprintable(); }
}
