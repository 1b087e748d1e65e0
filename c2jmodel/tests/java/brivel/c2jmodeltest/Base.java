package brivel.c2jmodeltest;

public class Base {
    public int baseField;
    public void baseMethod() {}
}
