package brivel.c2jmodeltest;

// Overloaded constructors and methods, statics, a final field, members that
// are not public, and a parameter of a class type.
public class Overloads {
    public int value;
    public static final String NAME = "overloads";
    int hidden;

    public Overloads() {}
    public Overloads(int value) { this.value = value; }

    public int add(int a) { return value + a; }
    public String add(String a) { return a + value; }
    public static int count() { return 1; }
    public void take(Base other) {}
    void notPublic() {}
}
