package shapes;

/** Point Record Type */
public class Point extends brivel.TavoRecord {

	public int x;
	public short[] quad = new short[4];

	/** Default constructor */

	public Point()
	{
	}

	/** Constructor with initialiers */

	public Point( int x, short[] quad )
	{
		if ( quad == null || quad.length != 4 ) throw new java.lang.RuntimeException( "\"quad\": Expecting array of size 4" );
		System.arraycopy( quad, 0, this.quad, 0, 4 );
		this.x = x;
	}

	static {
		System.loadLibrary( "JShapes" );
	}

}

