package servertest;

import java.util.Properties;

import brivel.server.BrvServerMain;

/**
 * System properties whose class path, when read, first has the server read
 * its configuration file again: a native that reads the class path in the
 * middle of its work sees the configuration change under it.
 */
public class RereadingProperties extends Properties {
    public RereadingProperties(Properties defaults) {
        super(defaults);
    }

    @Override
    public String getProperty(String key) {
        if ("java.class.path".equals(key)) BrvServerMain.initConfig();
        return super.getProperty(key);
    }

    /** Installs them in place of the system's. */
    public static void install() {
        System.setProperties(new RereadingProperties(System.getProperties()));
    }
}
