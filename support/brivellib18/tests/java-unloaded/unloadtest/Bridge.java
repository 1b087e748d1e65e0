package unloadtest;

/**
 * The class of a bridge that lives in a class loader of its own: the native
 * library it loads belongs to that loader, and goes when the VM collects it.
 */
public class Bridge {
    public static void load(String library) {
        System.load(library);
    }
}
