package brivel.wizardtest.mixed;

// Its base class lies in another JAR: without that JAR the VM cannot load it.
public class Orphan extends brivel.wizardtest.supply.Supplier {
    public Orphan() {}
}
