package brivel.c2jmodeltest;

// Inherits members of a class of the project, of java.lang.Object and (in
// PointChild) fields of a runtime class.
public class Derived extends Base {
    public long own;
    public void ownMethod() {}
}
