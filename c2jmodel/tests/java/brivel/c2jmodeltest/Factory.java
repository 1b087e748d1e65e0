package brivel.c2jmodeltest;

// No public constructor.
public class Factory {
    private Factory() {}
    public static Factory create() { return new Factory(); }
}
