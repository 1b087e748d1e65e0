package brivel.wizardtest.supply;

public class Supplier {
    public Supplier() {}
    public String name() { return "supplier"; }
}
