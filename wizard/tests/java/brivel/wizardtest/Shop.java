package brivel.wizardtest;

// Members whose types are in the project (Item), in the runtime
// (java.awt.Point) and on the class path only (Supplier, unless its JAR is
// loaded too).
public class Shop {
    public Shop() {}
    public int count;
    public Item find(int number) { return null; }
    public java.awt.Point where() { return null; }
    public brivel.wizardtest.supply.Supplier supplier() { return null; }
    public static String name() { return "shop"; }
}
