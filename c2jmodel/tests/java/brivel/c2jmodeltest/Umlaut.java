package brivel.c2jmodeltest;

// A member name beyond ASCII.
public class Umlaut {
    public int größe() { return 1; }
}
