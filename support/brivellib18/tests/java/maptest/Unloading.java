package maptest;

import java.io.File;
import java.lang.ref.WeakReference;
import java.net.URL;
import java.net.URLClassLoader;

/** Loads a bridge's library through a class loader of its own, and lets the VM collect that loader. */
public final class Unloading {
    private Unloading() {
    }

    /** Loads `library` from unloadtest.Bridge of `jar`; answers a weak reference to the loader. */
    public static WeakReference<ClassLoader> loadInOwnLoader(String jar, String library) throws Exception {
        URLClassLoader loader = new URLClassLoader(new URL[] {new File(jar).toURI().toURL()}, null);
        Class<?> bridge = Class.forName("unloadtest.Bridge", true, loader);
        bridge.getMethod("load", String.class).invoke(null, library);
        loader.close();
        return new WeakReference<ClassLoader>(loader);
    }

    /** One collection; true once the loader is gone. */
    public static boolean collect(WeakReference<ClassLoader> loader) throws InterruptedException {
        System.gc();
        Thread.sleep(20);
        return loader.get() == null;
    }
}
