package brivel.c2jmodeltest;

public class Outer {
    public static class Inner {}
}
