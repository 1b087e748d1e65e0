package brivel.wizardtest.mixed;

// Members whose types are two runtime classes of one short name.
public class Proxies {
    public Proxies() {}
    public java.net.Proxy direct() { return null; }
    public java.lang.reflect.Proxy reflective() { return null; }
}
